// Shows one message box through the layer's own MessageBoxA, so that a test can compare the
// box the program shows with the box these exact arguments give.
// Usage: show-box STYLE CAPTION TEXT   (STYLE in C notation, e.g. 0x30); prints the answer.
#include "platform/windows_names.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: show-box STYLE CAPTION TEXT\n");
        return 2;
    }
    UINT style = static_cast<UINT>(std::strtoul(argv[1], nullptr, 0));
    int answer = MessageBoxA(NULL, argv[3], argv[2], style);
    std::printf("%d\n", answer);
    return 0;
}
