#pragma once
// The one wait of the program: processes events until a condition holds,
// sleeping until the next event instead of spinning (the SNMP pump ticks every
// 20 ms while it runs, so a wait on a reply always wakes up). Without an
// application object it ticks the pump itself.
#include <functional>

// True once done() holds; false when ms (>= 0) passed first. ms < 0 waits
// without limit.
bool waitUntil(const std::function<bool()>& done, int ms = -1);

// Waits until the flag is false (a binding's busy).
void waitUntilIdle(const bool& busy);
