#pragma once
// Logging out or shutting down sends SIGTERM or SIGHUP: the program then ends as its own
// close does, and the record commits its last answers. The handler only writes a byte to
// a pipe; the ending itself runs on the screens' thread.

#include <functional>

namespace record {

// Call once, with the application in place. `end` runs on the screens' thread at the
// first such signal (default: the running program's End).
void endOnSignals(std::function<void()> end = {});

}  // namespace record
