#include "platform/clock.h"

#include <chrono>
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

double SystemClock::monotonicSeconds() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace kolven::platform
