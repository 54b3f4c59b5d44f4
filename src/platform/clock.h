#pragma once

namespace kolven::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Time of day, seconds since midnight with fractions.
    virtual double secondsSinceMidnight() const = 0;
    // Seconds from an arbitrary origin; never goes back.
    virtual double monotonicSeconds() const = 0;
};

// The machine's clocks; the time of day can be frozen at a fixed value.
class SystemClock final : public Clock {
public:
    SystemClock() = default;
    explicit SystemClock(double fixedTimeOfDay) : m_fixed(true), m_fixedTime(fixedTimeOfDay) {}
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;

private:
    bool m_fixed = false;
    double m_fixedTime = 0;
};

}  // namespace kolven::platform
