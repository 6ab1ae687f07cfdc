#pragma once
#include <QJsonObject>
#include <QString>

#include <optional>

namespace History {

// The keys of the history's lines. A run is told in up to three lines
// sharing its "run": the hand-out with the start's outcome, then its end or
// the note that it was still running when the runner ended.
namespace Key {
inline constexpr const char* Run = "run";
inline constexpr const char* Time = "time";
inline constexpr const char* Identifier = "identifier";
inline constexpr const char* Command = "command";
inline constexpr const char* Due = "due";
inline constexpr const char* Delay = "delay";
inline constexpr const char* DelayMode = "delayMode";
inline constexpr const char* Late = "late";
inline constexpr const char* Alarm = "alarm";
inline constexpr const char* Outcome = "outcome";
inline constexpr const char* Pid = "pid";
inline constexpr const char* Reason = "reason";
inline constexpr const char* Ended = "ended";
inline constexpr const char* ExitStatus = "exitStatus";
inline constexpr const char* Signal = "signal";
inline constexpr const char* Seconds = "seconds";
inline constexpr const char* Output = "output";
inline constexpr const char* OutputFile = "outputFile";
inline constexpr const char* OutputCut = "outputCut";
inline constexpr const char* StillRunning = "stillRunning";
// Started by the user at once, not at a start of its schedule.
inline constexpr const char* Manual = "manual";
} // namespace Key

namespace Outcome {
inline constexpr const char* Started = "started";
inline constexpr const char* NotStarted = "not started";
// Handed out while its last run was still running.
inline constexpr const char* Skipped = "skipped";
// Not handed out: the engine could not decide its start (its table is missing).
inline constexpr const char* Held = "held";
} // namespace Outcome

// One run as the history tells it: the fields of all its lines, the later
// ones added to the earlier.
class RunRecord {
public:
    explicit RunRecord(QJsonObject fields) : fields_(std::move(fields)) {}

    void add(const QJsonObject& line);
    const QJsonObject& fields() const { return fields_; }

    QString run() const { return text(Key::Run); }
    QString time() const { return text(Key::Time); }
    QString identifier() const { return text(Key::Identifier); }
    QString reason() const { return text(Key::Reason); }
    QString outcome() const { return text(Key::Outcome); }
    QString output() const { return text(Key::Output); }
    bool started() const { return text(Key::Outcome) == Outcome::Started; }
    bool stillRunning() const { return fields_.value(Key::StillRunning).toBool(); }
    bool manual() const { return fields_.value(Key::Manual).toBool(); }
    QString due() const { return text(Key::Due); }
    std::optional<int> exitStatus() const { return number(Key::ExitStatus); }
    std::optional<int> signal() const { return number(Key::Signal); }
    std::optional<double> seconds() const;
    // Not started, or ended with a status other than 0 or by a signal.
    bool failed() const;

private:
    QString text(const char* key) const { return fields_.value(key).toString(); }
    std::optional<int> number(const char* key) const;

    QJsonObject fields_;
};

} // namespace History
