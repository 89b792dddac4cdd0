#pragma once

#include <chrono>

// A monotonic clock in seconds. Labels measure double clicks with it; tests
// script it so that "0.3 seconds later" needs no sleeping.
class TimeSource {
  public:
    virtual ~TimeSource() = default;
    // Seconds since an arbitrary fixed start; never goes backwards.
    virtual double now() const = 0;
};

// std::chrono::steady_clock.
class SteadyTimeSource : public TimeSource {
  public:
    double now() const override {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }
};

// Time stands still until a test advances it; starts at 1000 s.
class ScriptedTimeSource : public TimeSource {
  public:
    double seconds = 1000.0;
    double now() const override { return seconds; }
    // Moves the clock forward by the given number of seconds.
    void advance(double s) { seconds += s; }
};
