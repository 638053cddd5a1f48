#pragma once
#include <cstdint>

// The game reads milliseconds only through this, so tests can drive time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Milliseconds() = 0;
    virtual bool IsManual() const { return false; }
    // Called when a frame is presented. The system clock has nothing to do:
    // presenting takes real time by itself.
    virtual void OnPresent() {}

    // The clock in use; the system clock unless a test installed another.
    static Clock& Current();
    static void Install(Clock* clock);  // null restores the system clock
};

class SystemClock : public Clock {
public:
    uint32_t Milliseconds() override;
};

class ManualClock : public Clock {
public:
    explicit ManualClock(uint32_t start = 1000) : now_(start) {}
    uint32_t Milliseconds() override { return now_; }
    bool IsManual() const override { return true; }
    void Advance(uint32_t ms) { now_ += ms; }
    void Set(uint32_t ms) { now_ = ms; }
    // Stands for the wait for the display: each present moves time on by
    // presentMs, so frame timers measure a frame as a real run would.
    void OnPresent() override { now_ += presentMs; }

    uint32_t presentMs = 0;

private:
    uint32_t now_;
};

// Shorthand for the game's many timeGetTime-style reads.
inline uint32_t NowMs() { return Clock::Current().Milliseconds(); }
