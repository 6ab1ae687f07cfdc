#include "Schedule.h"

#include "EventActivation.h"
#include "NextStartRule.h"
#include "Plent/model/EventFile.h"
#include "TableDates.h"
#include "UnlessCheck.h"

namespace Plent {

colPlents& Schedule::Events()
{
    changedElsewhere();
    return *events_;
}

void Schedule::changedElsewhere()
{
    ++revision_;
    ++elsewhere_;
}

void Schedule::setEvents(std::shared_ptr<colPlents> events)
{
    events_ = events ? std::move(events) : std::make_shared<colPlents>();
    changedElsewhere();
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
    for (const auto& e : *events_) {
        ++position;
        if (!e->Identifier().empty()) continue;
        notices_.push_back(HandOut::of(*e));
        notices_.back().held = "the event at position " + std::to_string(position) +
                               " of the event file has no identifier and is never started";
    }
}

std::shared_ptr<CPlent> Schedule::startupEvent()
{
    resetStartupEvents();
    return startup_.next(*events_, revision_);
}

void Schedule::resetStartupEvents()
{
    if (startup_.ResetDone()) return;
    startup_.reset(*events_);
    changedHere();
}

std::optional<Platform::DateTime> Schedule::earliestChange(Platform::DateTime poll)
{
    return index_.earliestChange(*events_, revision_, poll);
}

void Schedule::calcNextStart(CPlent& event, Platform::DateTime now, StartTrace* trace)
{
    TableDates dates(table_, tablePath_, now);
    masks_.seen(elsewhere_);
    changedHere();
    NextStartRule(dates, trace, &masks_).advance(event, now);
}

bool Schedule::checkUnless(const CPlent& event, Platform::DateTime now)
{
    TableDates dates(table_, tablePath_, now);
    masks_.seen(elsewhere_);
    return UnlessCheck(dates, &masks_).holds(event, Platform::DateTime::fromDate(event.NextStart()));
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

void Schedule::save(const std::string& file) { EventFile::Save(*events_, file); }

} // namespace Plent
