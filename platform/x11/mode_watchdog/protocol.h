// What the program and its mode watchdog say to each other, one line at a time, over the
// watchdog's standard input (a socket). Both ends include this header.
//
//   watchdog -> program   "ready" once it has noted the display's configuration, or
//                         "failed REASON" when it cannot watch the display
//   program -> watchdog   "switched WIDTH HEIGHT" for each mode the program switches to,
//                         "restored" once the program has put the desktop's mode back itself
//
// The program's end closing, however the program ends, is the watchdog's cue: if the display
// still shows the last mode switched to, it puts back the configuration it noted.
#pragma once

#include <cstdio>
#include <string>

namespace zelmvik::mode_watchdog {

inline const std::string ready = "ready";
inline const std::string failed = "failed";
inline const std::string restored = "restored";

inline std::string switched(int width, int height) {
    return "switched " + std::to_string(width) + " " + std::to_string(height);
}

// What one line from the program says: the size of the mode it switched to, or 0 x 0 when
// the desktop's mode is back. False for a line that says neither.
inline bool read_program_line(const std::string &line, int *width, int *height) {
    if (line == restored) {
        *width = *height = 0;
        return true;
    }
    char end;
    return std::sscanf(line.c_str(), "switched %d %d%c", width, height, &end) == 2 && *width > 0 &&
           *height > 0;
}

} // namespace zelmvik::mode_watchdog
