#include "platform/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace kolven::platform {

CalendarTime Clock::localTime() const
{
    const std::time_t now = std::time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

double SystemClock::secondsSinceMidnight() const
{
    if (m_fixed)
        return m_fixedTime;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_nsec * 1e-9;
}

CalendarTime SystemClock::localTime() const
{
    if (!m_fixed)
        return Clock::localTime();
    // Seconds after the first midnight of 1970, read in UTC so that no time
    // zone or summer time moves them; a time of day past 24 h runs on into
    // the next days.
    const bool representable = std::isfinite(m_fixedTime) && std::fabs(m_fixedTime) < 1e15;
    const auto seconds = static_cast<std::time_t>(representable ? std::floor(m_fixedTime) : 0.0);
    tm frozen{};
    gmtime_r(&seconds, &frozen);
    return {frozen.tm_year + 1900, frozen.tm_mon + 1, frozen.tm_mday, frozen.tm_hour, frozen.tm_min};
}

double SystemClock::monotonicSeconds() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace kolven::platform
