// Command line of the benchmark program.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct Options {
    double seconds = 3.0;    // per frame kind and repetition
    int reps = 5;            // repetitions; 0 measures only the start-up
    std::vector<int> glyphs; // extra kinds: the program's frame with this many glyphs
    std::string times;       // file for every frame's duration, for the plot
    long frames = 0;         // >0: exactly this many frames of `kind`, for callgrind
    std::string kind = "frame";
    bool ask = false; // the program's start-up question first, answered from outside
    int switches = 0; // >0: only this many F1 switches (fullscreen and back), timed
};

// False (with a message on stderr) for an unknown or malformed argument.
bool parse_options(int argc, char **argv, Options *options);

} // namespace bench
