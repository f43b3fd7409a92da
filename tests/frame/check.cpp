// Draws FRAMES frames (3,000,000 unless given) from the counters' start with the frame's own
// code, and checks each frame's colour and raster position, bit for bit, against exact
// arithmetic. Prints how many of each were wrong and a digest of everything the frames
// recorded, the same on every host whose sine and cosine agree. Exit status 1 on any
// mismatch.
#include "exact.h"
#include "recorded_gl.h"

#include "scene/scene.h"
#include "state/state.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

uint32_t bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

const char *const names[5] = {"red", "green", "blue", "x", "y"};

} // namespace

int main(int argc, char **argv) {
    const long frames = argc > 1 ? std::atol(argv[1]) : 3000000;
    long wrong[5] = {};
    uint64_t digest = 14695981039346656037u; // FNV-1a
    for (long frame = 0; frame < frames; ++frame) {
        const float c1 = cnt1, c2 = cnt2;
        DrawGLScene();
        // The sines and cosines are the host's; everything after them is exact.
        const float cos1 = static_cast<float>(std::cos(static_cast<double>(c1)));
        const float sin2 = static_cast<float>(std::sin(static_cast<double>(c2)));
        const float cos12 =
            static_cast<float>(std::cos(static_cast<double>(c1) + static_cast<double>(c2)));
        const float want[5] = {cos1, sin2, exact_multiply_add(-0.5f, cos12, 1.0f),
                               exact_multiply_add(0.05f, cos1, -0.45f),
                               exact_multiply_add(0.32f, sin2, -0.0f)};
        const float got[5] = {recorded.color[0], recorded.color[1], recorded.color[2],
                              recorded.raster[0], recorded.raster[1]};
        for (int i = 0; i < 5; ++i) {
            if (bits(got[i]) != bits(want[i]) && wrong[i]++ < 3)
                std::printf("frame %ld (counters %.9g, %.9g): %s %.9g, exactly %.9g\n", frame, c1,
                            c2, names[i], got[i], want[i]);
            for (int b = 0; b < 32; b += 8)
                digest = (digest ^ ((bits(got[i]) >> b) & 0xFF)) * 1099511628211u;
        }
        if (!recorded.text ||
            std::strcmp(recorded.text, "Warning! - En har taget min staveplade!")) {
            std::printf("frame %ld printed another text\n", frame);
            return 1;
        }
    }
    long all = 0;
    std::printf("%ld frames, wrong:", frames);
    for (int i = 0; i < 5; ++i) {
        std::printf(" %s %ld", names[i], wrong[i]);
        all += wrong[i];
    }
    std::printf("; counters %.9g, %.9g; digest %016llx\n", cnt1, cnt2,
                static_cast<unsigned long long>(digest));
    return all ? 1 : 0;
}
