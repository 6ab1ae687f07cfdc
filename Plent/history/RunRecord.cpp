#include "RunRecord.h"

namespace History {

void RunRecord::add(const QJsonObject& line)
{
    for (auto it = line.begin(); it != line.end(); ++it) fields_.insert(it.key(), it.value());
}

std::optional<int> RunRecord::number(const char* key) const
{
    const QJsonValue value = fields_.value(key);
    if (!value.isDouble()) return std::nullopt;
    return value.toInt();
}

std::optional<double> RunRecord::seconds() const
{
    const QJsonValue value = fields_.value(Key::Seconds);
    if (!value.isDouble()) return std::nullopt;
    return value.toDouble();
}

bool RunRecord::failed() const
{
    return !started() || exitStatus().value_or(0) != 0 || signal().has_value();
}

} // namespace History
