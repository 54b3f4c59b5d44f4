#pragma once

namespace kolven::platform {

// A moment on the user's calendar, to the minute.
struct CalendarTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Time of day, seconds since midnight with fractions.
    virtual double secondsSinceMidnight() const = 0;
    // Seconds from an arbitrary origin; never goes back.
    virtual double monotonicSeconds() const = 0;
    // The local date and time, for the names of the files the user saves.
    virtual CalendarTime localTime() const;
};

// The machine's clocks; the time of day can be frozen at a fixed value, and
// the calendar with it, on 1 January 1970: a frozen clock gives the same
// date and time on every run.
class SystemClock final : public Clock {
public:
    SystemClock() = default;
    explicit SystemClock(double fixedTimeOfDay) : m_fixed(true), m_fixedTime(fixedTimeOfDay) {}
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
    CalendarTime localTime() const override;

private:
    bool m_fixed = false;
    double m_fixedTime = 0;
};

}  // namespace kolven::platform
