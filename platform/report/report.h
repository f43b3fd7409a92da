// What the layer tells the user on standard error: one line per failure, the program's name
// first, saying why. The program's own message boxes stay as they are; this is the cause
// behind them.
#pragma once

namespace zelmvik {

// "zelmvik: " and the formatted text, as one line.
void report(const char *format, ...) __attribute__((format(printf, 1, 2)));

// "zelmvik: " and `what` as one line, then the end of the process with status 1, without the
// exit-time teardown. Only async-signal-safe calls: this runs inside a library's handler of a
// connection that is gone, where nothing else may be touched.
[[noreturn]] void end_process(const char *what);

} // namespace zelmvik
