#pragma once

#include "platform/clock.h"

namespace kolven::platform::web {

// The page's clocks: the time of day and the calendar as the machine's, or
// frozen; the monotonic clock read straight from the browser's, which a run
// reads several times a count.
class WebClock final : public Clock {
public:
    WebClock() = default;
    explicit WebClock(double fixedTimeOfDay) : m_timeOfDay(fixedTimeOfDay) {}
    double secondsSinceMidnight() const override { return m_timeOfDay.secondsSinceMidnight(); }
    CalendarTime localTime() const override { return m_timeOfDay.localTime(); }
    double monotonicSeconds() const override;

private:
    SystemClock m_timeOfDay;
};

}  // namespace kolven::platform::web
