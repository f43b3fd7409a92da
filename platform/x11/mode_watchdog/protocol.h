// What the program and its mode watchdog say to each other, one line at a time, over the
// watchdog's standard input (a socket). Both ends include this header.
//
//   watchdog -> program   "ready" once it has noted the display's configuration, or
//                         "failed REASON" when it cannot watch the display
//   program -> watchdog   "switched X Y WIDTH HEIGHT" for each mode the program switches an
//                         output to, that output's top-left corner on the screen first;
//                         "restored" once the program has put the desktop's mode back itself
//
// The program's end closing, however the program ends, is the watchdog's cue: if that output
// still shows the last mode switched to, it puts back the configuration it noted.
#pragma once

#include <cstdio>
#include <string>

namespace zelmvik::mode_watchdog {

inline const std::string ready = "ready";
inline const std::string failed = "failed";
inline const std::string restored = "restored";

// An output showing a mode: its top-left corner on the screen and the mode's size.
struct Switched {
    int x = 0, y = 0, width = 0, height = 0;
};

inline std::string switched(const Switched &s) {
    return "switched " + std::to_string(s.x) + " " + std::to_string(s.y) + " " +
           std::to_string(s.width) + " " + std::to_string(s.height);
}

// What one line from the program says: the output and mode it switched to, or a size of
// 0 x 0 when the desktop's mode is back. False for a line that says neither.
inline bool read_program_line(const std::string &line, Switched *s) {
    if (line == restored) {
        *s = Switched{};
        return true;
    }
    char end;
    return std::sscanf(line.c_str(), "switched %d %d %d %d%c", &s->x, &s->y, &s->width, &s->height,
                       &end) == 4 &&
           s->width > 0 && s->height > 0;
}

} // namespace zelmvik::mode_watchdog
