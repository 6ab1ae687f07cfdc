#include "Clock.h"

#include <ctime>

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
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return DateTime::fromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                               local.tm_sec);
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
