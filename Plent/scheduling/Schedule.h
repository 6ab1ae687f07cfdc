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

namespace Plent {

// The events of one engine with everything a run keeps about them: the
// start-up pass, the due index and the fixed-date table. Every operation
// takes its now from the caller, so that one reading of the clock serves a
// whole operation and previews run on a time of their own.
class Schedule {
public:
    using HandOut = Plent::HandOut;

    explicit Schedule(FixedDateTable::DateParser parseDate) : table_(std::move(parseDate)) {}

    colPlents& Events();
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
    std::shared_ptr<CPlent> dueEvent(Platform::DateTime now, bool& alarm);

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

    FixedDateTable table_;
    std::string tablePath_;
    StartupPass startup_;
    DueIndex index_;
    ClockSetBack clock_;
    HeldEvents held_;
    std::vector<HandOut> notices_;
    // Declared last, so that the events go first.
    std::shared_ptr<colPlents> events_;
};

} // namespace Plent
