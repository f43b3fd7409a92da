// What the native program's command line asks, before anything else starts.
#include "platform/command_line/command_line.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zelmvik::command_line;

namespace {

TEST(CommandLine, HelpAndVersionAloneAreUnderstood) {
    struct Case {
        std::vector<const char *> argv;
        Asked asked;
        const char *what;
    } cases[] = {
        {{"zelmvik"}, Asked::run, ""},
        {{"zelmvik", "--help"}, Asked::help, ""},
        {{"zelmvik", "--version"}, Asked::version, ""},
        {{"zelmvik", "--verbose"}, Asked::wrong, "--verbose"},
        {{"zelmvik", "-h"}, Asked::wrong, "-h"},
        {{"zelmvik", "file.txt"}, Asked::wrong, "file.txt"},
        {{"zelmvik", ""}, Asked::wrong, ""},
    };
    for (const Case &c : cases) {
        std::string what;
        EXPECT_EQ(read(static_cast<int>(c.argv.size()), c.argv.data(), &what), c.asked)
            << (c.argv.size() > 1 ? c.argv[1] : "(none)");
        EXPECT_EQ(what, c.what);
    }
    EXPECT_EQ(version_text(), "zelmvik 0.1\n");
    EXPECT_EQ(help_text().rfind("Usage: zelmvik [--help | --version]\n", 0), 0u);
}

} // namespace
