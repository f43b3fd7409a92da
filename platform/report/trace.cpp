#include "platform/report/trace.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zelmvik {

namespace {

const char *const names[] = {"display", "modes", "windows", "boxes", "gl"};
constexpr unsigned count = sizeof names / sizeof names[0];

unsigned bit(Channel channel) {
    return 1u << static_cast<unsigned>(channel);
}

} // namespace

unsigned traced_channels(const char *setting) {
    unsigned channels = 0;
    std::string list = setting ? setting : "";
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        std::string name = list.substr(start, end - start);
        if (name == "all")
            channels = (1u << count) - 1;
        for (unsigned i = 0; i < count; ++i)
            if (name == names[i])
                channels |= 1u << i;
        start = end + 1;
    }
    return channels;
}

bool tracing(Channel channel) {
    static const unsigned channels = traced_channels(std::getenv("ZELMVIK_TRACE"));
    return (channels & bit(channel)) != 0;
}

void trace(Channel channel, const char *format, ...) {
    if (!tracing(channel))
        return;
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fprintf(stderr, "%s: trace %s: %s\n", program_invocation_short_name,
                 names[static_cast<unsigned>(channel)], line);
}

} // namespace zelmvik
