// The frames the benchmark draws and the loop that times them.
#pragma once

#include <string>
#include <vector>

namespace bench {

// What one measured frame draws before its buffer swap.
struct FrameKind {
    std::string name;
    // program: the program's own DrawGLScene; clear: only the colour and depth clear;
    // text: the program's frame with the first `glyphs` characters of its line.
    enum { program, clear, text } what;
    int glyphs;
};

FrameKind program_frame();
FrameKind clear_frame();
FrameKind text_frame(int glyphs);

// Takes and dispatches every waiting message, as the program's loop does before it draws;
// false once the quit message came.
bool drain_messages();

void draw(const FrameKind &kind);

// Frames of one kind, each drained, drawn and swapped like an idle pass of the program,
// for `seconds`. Appends each frame's duration in seconds to `times`; returns frames/s.
double run_for(const FrameKind &kind, double seconds, std::vector<double> *times);

} // namespace bench

// Exactly `count` frames; the instruction counts collect inside this function only, so it
// keeps a plain name. Returns the frames done (fewer when the window was closed).
extern "C" long zelmvik_bench_frames(const bench::FrameKind *kind, long count);
