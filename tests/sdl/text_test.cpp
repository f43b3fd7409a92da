// Code page 1252 texts, and message boxes where no box can be shown.
#include "support.h"

#include "platform/text/cp1252.h"
#include "platform/windows_names.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

const char question[] = ":: WARNING - Hvis i ser dette, s\xE5 er det fordi der skete en zelmvik!  "
                        "Der taget forbehold for stener fra polen....... :: T\xF8r du fors\xE6tte?"
                        "\xBF";

TEST(Cp1252, TheQuestionReadsRightInUtf8) {
    EXPECT_EQ(zelmvik::text::cp1252_to_utf8(question),
              ":: WARNING - Hvis i ser dette, s\u00e5 er det fordi der skete en zelmvik!  "
              "Der taget forbehold for stener fra polen....... :: T\u00f8r du fors\u00e6tte?"
              "\u00bf");
}

TEST(Cp1252, HighControlRangeAndUndefinedBytes) {
    EXPECT_EQ(zelmvik::text::cp1252_to_utf8("\x80\x85\x8A\x99\x9F"),
              "\u20ac\u2026\u0160\u2122\u0178");
    // Undefined in code page 1252: kept as their C1 code points, as Windows converts them.
    EXPECT_EQ(zelmvik::text::cp1252_to_utf8("\x81\x8D\x8F\x90\x9D"),
              "\u0081\u008d\u008f\u0090\u009d");
    EXPECT_EQ(zelmvik::text::cp1252_to_utf8("\xA0\xFF"), "\u00a0\u00ff");
    EXPECT_EQ(zelmvik::text::cp1252_to_utf8(nullptr), "");
}

struct ChildResult {
    int answer;
    std::string err;
};

// MessageBoxA in a child that has no display at all.
ChildResult box_without_display(const char *text, const char *caption, UINT type) {
    int fds[2];
    if (pipe(fds) != 0)
        return {-1, ""};
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], 2);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        _exit(MessageBoxA(NULL, text, caption, type));
    }
    close(fds[1]);
    std::string err;
    char buf[512];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        err.append(buf, size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
}

TEST(MessageBox, WithoutADisplayItWritesToStandardErrorAndTakesTheDefault) {
    ChildResult yes = box_without_display(question, "Plimbrok - QOR 2006 skal vi?  -- lidt screen!",
                                          MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(yes.answer, IDYES);
    EXPECT_NE(yes.err.find("Plimbrok - QOR 2006 skal vi?  -- lidt screen!"), std::string::npos);
    EXPECT_NE(yes.err.find(zelmvik::text::cp1252_to_utf8(question)), std::string::npos) << yes.err;

    ChildResult ok =
        box_without_display("Window Creation Error.", "ERROR", MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(ok.answer, IDOK);
    EXPECT_NE(ok.err.find("Window Creation Error."), std::string::npos);
}

} // namespace
