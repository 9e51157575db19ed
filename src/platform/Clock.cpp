#include "platform/Clock.h"

namespace {
const SystemClock g_system;
const Clock* g_current = &g_system;
} // namespace

const Clock& Clock::Current()
{
    return *g_current;
}

void Clock::Install(const Clock* clock)
{
    g_current = clock ? clock : &g_system;
}
