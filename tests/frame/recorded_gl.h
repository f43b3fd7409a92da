// The GL calls of one frame, recorded instead of drawn.
#pragma once

struct RecordedFrame {
    float color[3];
    float raster[2];
    const char *text;
};

extern RecordedFrame recorded;
