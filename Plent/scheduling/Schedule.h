#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ClockSetBack.h"
#include "DueIndex.h"
#include "FixedDateTable.h"
#include "HandOut.h"
#include "HeldEvents.h"
#include "Plent/model/colPlents.h"
#include "StartTrace.h"
#include "StartupPass.h"
#include "UnlessMasks.h"

namespace Plent {

// The events of one engine with everything a run keeps about them: the
// start-up pass, the due index and the fixed-date table. Every operation
// takes its now from the caller, so that one reading of the clock serves a
// whole operation and previews run on a time of their own.
class Schedule {
public:
    using HandOut = Plent::HandOut;

    explicit Schedule(FixedDateTable::DateParser parseDate)
        : table_(std::move(parseDate)), events_(std::make_shared<colPlents>())
    {
    }

    // The events, to change: whatever the caller does with them counts as a
    // change of the events, their rules or their order, so that what the
    // schedule keeps about them (the due index, the start-up scan, the
    // rules' masks) is built again at its next look. A record kept from
    // here and changed later is to be changed after asking again.
    colPlents& Events();
    // The events, to read.
    const colPlents& Events() const { return *events_; }
    // Moves on with every change to the events.
    uint64_t Revision() const { return revision_; }
    // None stands for no events.
    void setEvents(std::shared_ptr<colPlents> events);

    const std::string& TablePath() const { return tablePath_; }
    void setTablePath(std::string path) { tablePath_ = std::move(path); }
    FixedDateTable& Table() { return table_; }
    const FixedDateTable& Table() const { return table_; }
    const StartupPass& Startup() const { return startup_; }

    // The next event to start at now (see EventActivation); an empty
    // identifier when there is none. A table that cannot be read fails.
    HandOut activate(Platform::DateTime now);
    // The same, or nothing, for a runner that goes on whatever happens: a
    // table that cannot be read holds only the events that need it, and
    // what is not handed out comes as a held hand-out, once.
    std::optional<HandOut> nextHandOut(Platform::DateTime now);
    std::shared_ptr<CPlent> startupEvent();
    void resetStartupEvents();

    // See DueIndex::earliestChange.
    std::optional<Platform::DateTime> earliestChange(Platform::DateTime poll);

    // With a trace, the rule's decisions are written down there.
    void calcNextStart(CPlent& event, Platform::DateTime now, StartTrace* trace = nullptr);
    bool checkUnless(const CPlent& event, Platform::DateTime now);
    bool inTable(const std::string& file, Platform::Date date, Platform::DateTime now);

    // Adds the file's events; what it found out of place is appended to
    // notices, also when the load fails.
    void load(const std::string& file, std::vector<std::string>& notices);
    void save(const std::string& file);

private:
    friend class EventActivation;

    // An event without identifier cannot be handed out; the next hand-outs
    // say so, once for each load.
    void noticeUnnamed();
    // The schedule changed the events itself, which touches no rule.
    void changedHere() { ++revision_; }
    // Somebody else may have changed anything.
    void changedElsewhere();

    FixedDateTable table_;
    std::string tablePath_;
    StartupPass startup_;
    DueIndex index_;
    ClockSetBack clock_;
    HeldEvents held_;
    std::vector<HandOut> notices_;
    uint64_t revision_ = 0;
    // The masks follow the changes from elsewhere only.
    uint64_t elsewhere_ = 0;
    UnlessMasks masks_;
    // Declared last, so that the events go first.
    std::shared_ptr<colPlents> events_;
};

} // namespace Plent
