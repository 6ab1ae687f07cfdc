#include "AddDraft.h"

#include <charconv>
#include <cctype>
#include <sstream>

#include "CtlError.h"
#include "DateText.h"
#include "JsonFields.h"
#include "Plent/model/CPlent.h"
#include "Platform/dates/Clock.h"

namespace Ctl {

namespace {

namespace Mode = Plent::RetryMode;

[[noreturn]] void refuse(const std::string& option, const std::string& problem)
{
    throw CtlError::badInput("--" + option + ": " + problem);
}

int number(const std::string& text, const std::string& option, int low, int high)
{
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < low || n > high)
        refuse(option, "'" + text + "' is no whole number from " + std::to_string(low) + " to " + std::to_string(high));
    return n;
}

std::string lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int unitMode(const std::string& unit)
{
    static const char* const units[] = {"minute", "hour", "day", "week", "month", "year"};
    const std::string u = lower(unit);
    for (int i = 0; i < 6; ++i) {
        if (u == units[i] || u == std::string(units[i]) + "s") return Mode::Minutes + i;
    }
    refuse("every", "'" + unit + "' is no unit (minutes, hours, days, weeks, months or years)");
}

// "0830", "830" or "08:30" as the editor's box shows it, "08:30".
std::string timeOfDay(const std::string& text, const std::string& option)
{
    std::string digits;
    for (char c : text) {
        if (c != ':') digits += c;
    }
    const bool shaped = !digits.empty() && digits.size() <= 4 && digits.find_first_not_of("0123456789") == std::string::npos
        && (text.find(':') == std::string::npos || text.find(':') == text.size() - 3);
    const int hhmm = shaped ? std::stoi(digits) : -1;
    if (hhmm < 0 || hhmm / 100 > 23 || hhmm % 100 > 59) refuse(option, "'" + text + "' is no time of day HHMM");
    const std::string padded = std::to_string(10000 + hhmm);
    return padded.substr(1, 2) + ":" + padded.substr(3, 2);
}

// Weekday rows of the editor's grid: Monday 1 to Sunday 7.
int weekDayRow(const std::string& word)
{
    static const char* const names[] = {"monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
    const std::string w = lower(word);
    for (int i = 0; i < 7; ++i) {
        const std::string name = names[i];
        if (w.size() >= 3 && name.compare(0, w.size(), w) == 0) return i + 1;
    }
    return 0;
}

std::string text(const Arguments& args, const std::string& option)
{
    const std::string value = args.value(option).value_or("");
    if (const std::string problem = JsonFields::unstorable(value); !problem.empty()) refuse(option, problem);
    return value;
}

} // namespace

void AddDraft::fill(const Arguments& args, Plent::EventDraft& draft)
{
    if (!args.has("id")) refuse("id", "missing; give the event an identifier");
    if (!args.has("command")) refuse("command", "missing; give the command line to start");
    draft.identifier = text(args, "id");
    draft.parameter = text(args, "command");
    draft.description = text(args, "description");
    const int mode = repetition(args, draft);
    start(args, mode, draft);
    window(args, mode, draft);
    delay(args, mode, draft);
    flags(args, mode, draft);
}

int AddDraft::repetition(const Arguments& args, Plent::EventDraft& draft)
{
    const int given = args.has("every") + args.has("once") + args.has("each-start");
    if (given > 1) refuse(args.has("every") ? "every" : "once", "give one of --every, --once and --each-start");
    int mode = args.has("each-start") ? Mode::OncePerRun : Mode::Once;
    if (const auto every = args.value("every")) {
        std::istringstream words(*every);
        std::string count, unit;
        words >> count >> unit;
        draft.retry = std::to_string(number(count, "every", 1, 32767));
        mode = unitMode(unit);
    }
    draft.retryMode = mode;
    return mode;
}

// A once-per-run event has no start date; the editor's box still holds a
// valid one.
void AddDraft::start(const Arguments& args, int mode, Plent::EventDraft& draft)
{
    const auto at = args.value("at");
    if (!at && mode != Mode::OncePerRun) refuse("at", "missing; give the first start");
    const Platform::DateTime t = at ? DateText::parseArgument(*at, "--at") : Platform::Clock::now();
    const std::string text = DateText::format(t);
    draft.firstStartDate = text.substr(0, 10);
    draft.firstStartHour = text.substr(11);
}

void AddDraft::window(const Arguments& args, int mode, Plent::EventDraft& draft)
{
    for (const char* option : {"from", "to"}) {
        const auto value = args.value(option);
        if (!value) continue;
        if (mode != Mode::Minutes && mode != Mode::Hours) refuse(option, "a time window needs --every N minutes or hours");
        (option[0] == 'f' ? draft.from : draft.to) = timeOfDay(*value, option);
    }
    if (const auto list = args.value("except")) {
        if (mode < Mode::Minutes) refuse("except", "unless days need a repeating event (--every)");
        except(*list, draft);
    }
}

void AddDraft::delay(const Arguments& args, int mode, Plent::EventDraft& draft)
{
    const auto minutes = args.value("delay");
    const auto late = args.value("late");
    if (late && !minutes) refuse("late", "needs --delay MIN");
    if (!minutes) return;
    if (mode == Mode::OncePerRun) refuse("delay", "an event started once per program run has no delay rule");
    draft.delay = std::to_string(number(*minutes, "delay", 0, 32767));
    const std::string how = late.value_or("do");
    if (how != "do" && how != "skip" && how != "alarm") refuse("late", "'" + how + "' is none of do, skip and alarm");
    draft.delayMode = how == "do" ? 0 : how == "skip" ? 1 : 2;
}

// The editor's check boxes exclude the repetitions that contradict them.
void AddDraft::flags(const Arguments& args, int mode, Plent::EventDraft& draft)
{
    if (args.has("delete-after-done")) {
        if (mode >= Mode::Minutes) refuse("delete-after-done", "only for --once and --each-start");
        draft.deleteAfterDone = true;
    }
    if (args.has("move-to-next-day")) {
        if (mode < Mode::Minutes) refuse("move-to-next-day", "only for repeating events (--every)");
        draft.moveToNextDay = true;
    }
}

// Weekdays by name, days of every month by number, "last" for the last day
// of every month, "table" for the dates of the table.
void AddDraft::except(const std::string& list, Plent::EventDraft& draft)
{
    std::istringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        if (lower(item) == "last") draft.marks.setDaySelected(Plent::CalendarMarks::LastDay, true);
        else if (lower(item) == "table") draft.marks.setWeekDaySelected(Plent::CalendarMarks::FromTable, true);
        else if (const int row = weekDayRow(item)) draft.marks.setWeekDaySelected(row, true);
        else if (!item.empty() && std::isdigit(static_cast<unsigned char>(item[0])))
            draft.marks.setDaySelected(number(item, "except", 1, 31), true);
        else refuse("except", "'" + item + "' is no weekday, day 1 to 31, last or table");
    }
}

std::string AddDraft::refusal(Plent::EditorEntry entry)
{
    using Plent::EditorEntry;
    switch (entry) {
    case EditorEntry::Identifier: return "--id: empty, or the file already has an event of that identifier";
    case EditorEntry::FirstStart: return "--at: no date and time the editor accepts";
    case EditorEntry::From: return "--from: no time of day the editor accepts";
    case EditorEntry::To: return "--to: no time of day the editor accepts";
    case EditorEntry::WeekDays: return "--except: every weekday excluded leaves no day to start on";
    case EditorEntry::Days:
    case EditorEntry::MonthDays: break;
    }
    return "--except: every day excluded, or the last day without 31 (some months end on the 31st)";
}

} // namespace Ctl
