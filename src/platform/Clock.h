#pragma once
#include <cstdint>

namespace platform {

// Milliseconds since the program's clock started; never wraps in practice.
int64_t milliseconds();

// Lets the application process its pending window messages.
void processPendingEvents();

// Sleeps the calling thread for ms milliseconds.
void sleepMilliseconds(int64_t ms);

} // namespace platform
