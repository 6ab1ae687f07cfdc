#include "EventDefinition.h"

#include <QCryptographicHash>

#include "Plent/model/CPlent.h"

namespace Plent {

namespace {

// Every item is framed by its length, so that no two definitions run
// together into the same bytes.
class Digest {
public:
    Digest& text(const std::string& value)
    {
        number(static_cast<int64_t>(value.size()));
        hash_.addData(QByteArrayView(value.data(), static_cast<qsizetype>(value.size())));
        return *this;
    }
    Digest& number(int64_t value)
    {
        hash_.addData(QByteArrayView(reinterpret_cast<const char*>(&value), sizeof value));
        return *this;
    }
    std::string hex() const { return hash_.result().toHex().toStdString(); }

private:
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

void addUnless(Digest& digest, CUnless& unless)
{
    digest.number(unless.FromTable()).number(unless.Months().Count());
    for (const auto& month : unless.Months()) {
        digest.text(month->Key()).number(month->Month()).number(month->Days().Count());
        for (const auto& day : month->Days()) digest.text(day->Key()).number(day->Day());
    }
    digest.number(unless.WeekDays().Count());
    for (const auto& weekDay : unless.WeekDays()) digest.text(weekDay->Key()).number(weekDay->WeekDay());
}

} // namespace

std::string EventDefinition::fingerprint(CPlent& event)
{
    Digest digest;
    digest.text(event.Identifier()).text(event.Description()).text(event.Parameter());
    digest.number(event.RetryMode()).number(event.Retry()).number(event.From()).number(event.To());
    digest.number(event.Delay()).number(event.DelayMode());
    digest.number(event.DeleteAfterDone()).number(event.MoveToNextDay());
    addUnless(digest, event.Unless());
    return digest.hex();
}

} // namespace Plent
