#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "CUnless.h"
#include "Platform/dates/DateTime.h"

namespace Plent {

using Platform::Date;

// Repetition units of an event.
namespace RetryMode {
constexpr int16_t OncePerRun = 0, Once = 1, Minutes = 2, Hours = 3, Days = 4, Weeks = 5, Months = 6, Years = 7;
}
// What the delay rule does with a start found late.
namespace DelayMode {
constexpr int16_t DoIt = 0, SeenAsDone = 1, Alarm = 2;
}
namespace Status {
constexpr int16_t Open = 0, Done = 1, SeenAsDone = 2, Alarm = 3, Stopped = 4;
}

// One scheduled event: a plain record whose setters store what they are
// given; the rules about its values live in the engine.
class CPlent {
public:
    static constexpr const char* ClassName = "CPlent";

    CPlent();

    const std::string& Identifier() const { return identifier_; }
    void setIdentifier(std::string v) { identifier_ = std::move(v); }
    const std::string& Description() const { return description_; }
    void setDescription(std::string v) { description_ = std::move(v); }
    const std::string& Parameter() const { return parameter_; }
    void setParameter(std::string v) { parameter_ = std::move(v); }
    Date NextStart() const { return nextStart_; }
    void setNextStart(Date v) { nextStart_ = v; }
    Date LastStart() const { return lastStart_; }
    void setLastStart(Date v) { lastStart_ = v; }
    int16_t RetryMode() const { return retryMode_; }
    void setRetryMode(int16_t v) { retryMode_ = v; }
    int16_t Retry() const { return retry_; }
    void setRetry(int16_t v) { retry_ = v; }
    int16_t From() const { return from_; }
    void setFrom(int16_t v) { from_ = v; }
    int16_t To() const { return to_; }
    void setTo(int16_t v) { to_ = v; }
    int16_t Delay() const { return delay_; }
    void setDelay(int16_t v) { delay_ = v; }
    int16_t DelayMode() const { return delayMode_; }
    void setDelayMode(int16_t v) { delayMode_ = v; }
    bool DeleteAfterDone() const { return deleteAfterDone_; }
    void setDeleteAfterDone(bool v) { deleteAfterDone_ = v; }
    bool MoveToNextDay() const { return moveToNextDay_; }
    void setMoveToNextDay(bool v) { moveToNextDay_ = v; }
    int16_t Status() const { return status_; }
    void setStatus(int16_t v) { status_ = v; }
    bool Finished() const { return finished_; }
    void setFinished(bool v) { finished_ = v; }
    Date RegularStart() const { return regularStart_; }
    void setRegularStart(Date v) { regularStart_ = v; }

    // The event's own rule, created with the record.
    CUnless& Unless() { return *unless_; }
    const CUnless& Unless() const { return *unless_; }
    std::shared_ptr<CUnless> UnlessRef() const { return unless_; }
    void setUnless(std::shared_ptr<CUnless> v) { unless_ = std::move(v); }

    // Its section of the event file.
    void Save(CLoadSaveObject& stream);
    void Load(CLoadSaveObject& stream);

private:
    std::string identifier_;
    std::string description_;
    std::string parameter_;
    Date nextStart_ = 0;
    Date lastStart_ = 0;
    int16_t retryMode_ = 0;
    int16_t retry_ = 0;
    int16_t from_ = 0;
    int16_t to_ = 0;
    int16_t delay_ = 0;
    int16_t delayMode_ = 0;
    bool deleteAfterDone_ = false;
    bool moveToNextDay_ = false;
    int16_t status_ = 0;
    bool finished_ = false;
    Date regularStart_ = 0;
    std::shared_ptr<CUnless> unless_;
};

} // namespace Plent
