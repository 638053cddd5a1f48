#include "platform/clock.h"

#include <SDL.h>

namespace {
SystemClock g_systemClock;
Clock* g_current = nullptr;
}  // namespace

uint32_t SystemClock::Milliseconds() { return SDL_GetTicks(); }

Clock& Clock::Current() { return g_current ? *g_current : g_systemClock; }

void Clock::Install(Clock* clock) { g_current = clock; }
