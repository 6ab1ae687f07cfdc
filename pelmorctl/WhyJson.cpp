#include "WhyJson.h"

#include <QJsonArray>

#include "DateText.h"
#include "WhyText.h"

namespace Ctl {

using Platform::DateTime;
using Plent::StartTrace;
using Kind = WhyFacts::Kind;

namespace {

QJsonValue time(const std::optional<DateTime>& t)
{
    if (!t) return QJsonValue::Null;
    return QString::fromStdString(DateText::format(*t, 'T'));
}

QJsonValue time(Platform::Date d) { return d == 0 ? QJsonValue::Null : time(DateTime::fromDate(d)); }

QString text(const std::string& s) { return QString::fromStdString(s); }

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Stopped: return "stopped";
    case Kind::OncePerRun: return "once per run";
    case Kind::Finished: return "finished";
    case Kind::Waiting: return "waiting";
    case Kind::Due: return "due";
    }
    return "";
}

const char* ruleName(StartTrace::Rule rule)
{
    switch (rule) {
    case StartTrace::Rule::GridPoint: return "grid point";
    case StartTrace::Rule::Skipped: return "skipped";
    case StartTrace::Rule::Moved: return "moved to next day";
    case StartTrace::Rule::Finished: return "finished";
    }
    return "";
}

QJsonObject delay(const WhyFacts::Delay& d)
{
    return {{"secondsLate", static_cast<qint64>(d.secondsLate)}, {"limit", d.limit},     {"mode", d.mode},
            {"late", d.late},                                    {"handedOut", d.handedOut}, {"alarm", d.alarm},
            {"text", text(WhyText::delayText(d))}};
}

} // namespace

QJsonObject WhyJson::of(const WhyFacts& f)
{
    QJsonObject o{{"identifier", text(f.identifier)}, {"at", time(f.at)},          {"kind", kindName(f.kind)},
                  {"nextStart", time(f.nextStart)},   {"lastStart", time(f.lastStart)}, {"status", f.status},
                  {"gridPoint", time(f.gridPoint)},   {"start", time(f.start)},    {"toStart", steps(f.toStart)},
                  {"toNext", steps(f.toNext)},        {"next", time(f.next)},      {"passed", f.passed}};
    if (f.delay) o.insert("delay", delay(*f.delay));
    if (f.run) o.insert("run", text(WhyText::runText(*f.run)));
    return o;
}

QJsonArray WhyJson::steps(const StartTrace& trace)
{
    QJsonArray array;
    for (const auto& s : trace.steps) {
        QJsonObject step{{"rule", ruleName(s.rule)}, {"before", time(s.before)}, {"after", time(s.after)}};
        if (s.hit.test != Plent::UnlessHit::Test::None) step.insert("element", text(WhyText::element(s.hit, s.before)));
        if (s.end != StartTrace::End::None) step.insert("why", text(WhyText::endText(s.end)));
        array.append(step);
    }
    return array;
}

} // namespace Ctl
