#include "PlentRowTexts.h"

#include <algorithm>

#include "Platform/locale/LocaleDates.h"

namespace Plent {

namespace {
// A date that is not set (never started, a once-per-start event's next
// start) shows nothing: a bare midnight would read as a real time.
QString dateText(Date date)
{
    if (date == 0) return {};
    return QString::fromStdString(Platform::LocaleDates::generalDate(date));
}
} // namespace

bool PlentRowTexts::Row::shows(const CPlent& event) const
{
    return nextStart == event.NextStart() && lastStart == event.LastStart() && status == event.Status()
        && identifier == event.Identifier() && description == event.Description();
}

void PlentRowTexts::setStatusTexts(std::array<QString, StatusCount> texts)
{
    statusTexts_ = std::move(texts);
    rows_.clear();
}

QString PlentRowTexts::statusText(int16_t status) const
{
    if (status >= 0 && status < StatusCount) return statusTexts_[static_cast<size_t>(status)];
    return "status [" + QString::number(status) + "] unknown!";
}

QList<QStringList> PlentRowTexts::rows(const colPlents& plents)
{
    if (locale_ != QLocale()) {
        locale_ = QLocale();
        rows_.clear();
    }
    std::vector<Row> made;
    made.reserve(static_cast<size_t>(plents.Count()));
    QList<QStringList> texts;
    texts.reserve(plents.Count());
    size_t position = 0;
    for (const auto& event : plents) {
        Row* old = reusable(*event, position);
        made.push_back(old ? std::move(*old) : makeRow(*event));
        texts.append(made.back().texts);
    }
    rows_ = std::move(made);
    return texts;
}

PlentRowTexts::Row* PlentRowTexts::reusable(const CPlent& event, size_t& position)
{
    const size_t end = std::min(rows_.size(), position + LookAhead);
    for (size_t at = position; at < end; ++at) {
        if (rows_[at].shows(event)) {
            position = at + 1;
            return &rows_[at];
        }
    }
    // The same event with new values stays in step with the old rows; an
    // inserted one does not.
    if (position < rows_.size() && rows_[position].identifier == event.Identifier()) ++position;
    return nullptr;
}

PlentRowTexts::Row PlentRowTexts::makeRow(const CPlent& event) const
{
    Row row{event.Identifier(), event.Description(), event.NextStart(), event.LastStart(), event.Status(), {}};
    row.texts = {QString::fromStdString(row.identifier), QString::fromStdString(row.description),
                 dateText(row.nextStart), dateText(row.lastStart), statusText(row.status)};
    return row;
}

} // namespace Plent
