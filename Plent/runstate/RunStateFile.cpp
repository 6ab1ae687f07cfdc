#include "RunStateFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/files/ReplacementFile.h"

namespace Plent {

namespace {

constexpr const char* ReadSource = "RunStateFile.read";

[[noreturn]] void invalid(const std::string& path, const std::string& what)
{
    Platform::Raise(RunStateFile::InvalidFormat, ReadSource, "'" + path + "' is no run state file: " + what);
}

QJsonObject fieldsToJson(const RunFields& f)
{
    return {{"NextStart", f.NextStart}, {"RegularStart", f.RegularStart}, {"LastStart", f.LastStart},
            {"Status", f.Status},       {"Finished", f.Finished}};
}

QJsonObject entryToJson(const StateEntry& e)
{
    QJsonObject o{{"Identifier", QString::fromStdString(e.Identifier)},
                  {"Base", fieldsToJson(e.Base)},
                  {"Definition", QString::fromStdString(e.Definition)}};
    if (e.removed()) o.insert("Removed", true);
    else o.insert("Run", fieldsToJson(*e.Run));
    if (e.MissingSince != 0) o.insert("MissingSince", e.MissingSince);
    return o;
}

QJsonObject startToJson(const PendingStart& s)
{
    return {{"Run", QString::fromStdString(s.Run)},
            {"Identifier", QString::fromStdString(s.Identifier)},
            {"Command", QString::fromStdString(s.Command)},
            {"Due", s.Due}};
}

class EntryReader {
public:
    explicit EntryReader(const std::string& path) : path_(path) {}

    StateEntry entry(const QJsonValue& v) const
    {
        const QJsonObject o = object(v, "an event");
        StateEntry e{text(o, "Identifier"), fields(o.value("Base")), std::nullopt, {}, 0};
        const bool removed = o.value("Removed").toBool();
        if (removed || o.contains("Definition")) e.Definition = text(o, "Definition");
        if (!removed) e.Run = fields(o.value("Run"));
        if (o.contains("MissingSince")) e.MissingSince = number(o, "MissingSince");
        return e;
    }

    PendingStart start(const QJsonValue& v) const
    {
        const QJsonObject o = object(v, "a start");
        return {text(o, "Run"), text(o, "Identifier"), text(o, "Command"), number(o, "Due")};
    }

private:
    QJsonObject object(const QJsonValue& v, const std::string& what) const
    {
        if (!v.isObject()) invalid(path_, what + " is no object");
        return v.toObject();
    }
    std::string text(const QJsonObject& o, const char* name) const
    {
        const QJsonValue v = o.value(name);
        if (!v.isString()) invalid(path_, std::string(name) + " is no text");
        return v.toString().toStdString();
    }
    // JSON has no number for a date that is not finite (only a damaged
    // event file holds one): Qt writes it as null, which reads back as such
    // a date, equal to none.
    double date(const QJsonObject& o, const char* name) const
    {
        if (o.value(name).isNull()) return std::numeric_limits<double>::quiet_NaN();
        return number(o, name);
    }
    double number(const QJsonObject& o, const char* name) const
    {
        const QJsonValue v = o.value(name);
        if (!v.isDouble()) invalid(path_, std::string(name) + " is no number");
        return v.toDouble();
    }
    RunFields fields(const QJsonValue& v) const
    {
        const QJsonObject o = object(v, "the run fields");
        const double status = number(o, "Status");
        if (!(status >= INT16_MIN && status <= INT16_MAX && status == std::trunc(status)))
            invalid(path_, "Status is no 16-bit whole number");
        if (!o.value("Finished").isBool()) invalid(path_, "Finished is no truth value");
        return {date(o, "NextStart"), date(o, "RegularStart"), date(o, "LastStart"),
                static_cast<int16_t>(status), o.value("Finished").toBool()};
    }

    const std::string& path_;
};

} // namespace

std::optional<RunState> RunStateFile::read(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        Platform::Raise(Platform::Err::PathFileAccess, ReadSource,
                        "cannot read '" + path + "': " + file.errorString().toStdString());
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) invalid(path, error.errorString().toStdString());
    const QJsonObject root = document.object();
    if (root.value("Version").toInt() != Version) invalid(path, "not of version " + std::to_string(Version));
    if (!root.value("Events").isArray()) invalid(path, "Events is no list");
    RunState state;
    const EntryReader reader(path);
    for (const QJsonValue& v : root.value("Events").toArray()) state.set(reader.entry(v));
    std::vector<PendingStart> starts;
    for (const QJsonValue& v : root.value("Starts").toArray()) starts.push_back(reader.start(v));
    state.setStarts(std::move(starts));
    return state;
}

void RunStateFile::write(const RunState& state, const std::string& path)
{
    QJsonArray events;
    for (const auto& [key, entry] : state.entries()) events.append(entryToJson(entry));
    QJsonObject root{{"Version", Version}, {"Events", events}};
    if (!state.starts().empty()) {
        QJsonArray starts;
        for (const PendingStart& start : state.starts()) starts.append(startToJson(start));
        root.insert("Starts", starts);
    }
    const QByteArray bytes = QJsonDocument(root).toJson();
    try {
        Platform::ReplacementFile file(path);
        file.restrictToOwner();
        file.file().write(bytes.constData(), static_cast<size_t>(bytes.size()));
        file.commit();
    } catch (const Platform::AutomationError& e) {
        throw Platform::AutomationError(e.number(), "RunStateFile.write", "cannot write '" + path + "': " + e.description());
    }
}

std::string RunStateFile::moveAside(const std::string& path)
{
    std::string aside = path + ".bad";
    for (int n = 2; std::filesystem::exists(aside); ++n) aside = path + ".bad." + std::to_string(n);
    if (std::rename(path.c_str(), aside.c_str()) != 0)
        Platform::Raise(Platform::ErrorFromErrno(errno), "RunStateFile.moveAside",
                        "cannot move '" + path + "' aside: " + std::strerror(errno));
    return aside;
}

} // namespace Plent
