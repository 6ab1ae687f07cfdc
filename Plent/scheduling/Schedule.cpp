#include "Schedule.h"

#include "EventActivation.h"
#include "NextStartRule.h"
#include "Plent/model/EventFile.h"
#include "TableDates.h"
#include "UnlessCheck.h"

namespace Plent {

colPlents& Schedule::Events()
{
    if (!events_) events_ = std::make_shared<colPlents>();
    return *events_;
}

void Schedule::setEvents(std::shared_ptr<colPlents> events)
{
    events_ = std::move(events);
    index_.invalidate();
    noticeUnnamed();
}

Schedule::HandOut Schedule::activate(Platform::DateTime now)
{
    return EventActivation(*this, now).next().value_or(HandOut{});
}

std::optional<Schedule::HandOut> Schedule::nextHandOut(Platform::DateTime now)
{
    return EventActivation(*this, now, EventActivation::TableFailure::Hold).next();
}

void Schedule::noticeUnnamed()
{
    notices_.clear();
    int32_t position = 0;
    for (const auto& e : Events()) {
        ++position;
        if (!e->Identifier().empty()) continue;
        notices_.push_back({{}, e->Description(), e->Parameter(), false, {e->NextStart(), e->Delay(), e->DelayMode(), false},
                            "the event at position " + std::to_string(position) +
                                " of the event file has no identifier and is never started"});
    }
}

std::shared_ptr<CPlent> Schedule::startupEvent() { return startup_.next(Events()); }

void Schedule::resetStartupEvents() { startup_.reset(Events()); }

std::shared_ptr<CPlent> Schedule::dueEvent(Platform::DateTime now, bool& alarm)
{
    return EventActivation(*this, now).dueEvent(alarm);
}

std::optional<Platform::DateTime> Schedule::earliestChange(Platform::DateTime poll)
{
    return index_.earliestChange(Events(), poll);
}

void Schedule::calcNextStart(CPlent& event, Platform::DateTime now, StartTrace* trace)
{
    TableDates dates(table_, tablePath_, now);
    NextStartRule(dates, trace).advance(event, now);
}

bool Schedule::checkUnless(const CPlent& event, Platform::DateTime now)
{
    TableDates dates(table_, tablePath_, now);
    return UnlessCheck(dates).holds(event, Platform::DateTime::fromDate(event.NextStart()));
}

bool Schedule::inTable(const std::string& file, Platform::Date date, Platform::DateTime now)
{
    return table_.contains(file, date, now);
}

void Schedule::load(const std::string& file, std::vector<std::string>& notices)
{
    try {
        EventFile::Load(Events(), file, notices);
    } catch (...) {
        noticeUnnamed();
        throw;
    }
    noticeUnnamed();
}

void Schedule::save(const std::string& file) { EventFile::Save(Events(), file); }

} // namespace Plent
