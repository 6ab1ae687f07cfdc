#include "Clock.h"

#include "LocalTime.h"

namespace Platform {

namespace {
Clock::Source& source()
{
    static Clock::Source s;
    return s;
}
} // namespace

DateTime Clock::systemNow()
{
    return LocalTime::fromSystem(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
}

DateTime Clock::now() { return source() ? source()() : systemNow(); }

Clock::Source Clock::setSource(Source s)
{
    auto previous = std::move(source());
    source() = std::move(s);
    return previous;
}

FixedClock::FixedClock(DateTime t) : now_(t)
{
    previous_ = Clock::setSource([this] { return now_; });
}

FixedClock::~FixedClock() { Clock::setSource(std::move(previous_)); }

} // namespace Platform
