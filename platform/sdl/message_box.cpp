#include "platform/backend/choice.h"
#include "platform/dialog/box.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/video.h"
#include "platform/text/cp1252.h"
#include "platform/windows_names.h"

#include <cstdio>

using namespace zelmvik;
using dialog::BoxButton;

namespace {

// The buttons of each MB_ type, left to right as Windows lays them out, and the answer of Esc
// and of the close button. Windows gives those only to a box with a Cancel button (IDCANCEL)
// or an OK button (IDOK); on the others Esc does nothing and the close button is disabled.
struct ButtonSet {
    BoxButton buttons[3];
    int count;
    int escape;
};

const ButtonSet button_sets[] = {
    // MB_OK, MB_OKCANCEL
    {{{"_OK", IDOK}}, 1, IDOK},
    {{{"_OK", IDOK}, {"_Cancel", IDCANCEL}}, 2, IDCANCEL},
    // MB_ABORTRETRYIGNORE
    {{{"_Abort", IDABORT}, {"_Retry", IDRETRY}, {"_Ignore", IDIGNORE}}, 3, 0},
    // MB_YESNOCANCEL, MB_YESNO
    {{{"_Yes", IDYES}, {"_No", IDNO}, {"_Cancel", IDCANCEL}}, 3, IDCANCEL},
    {{{"_Yes", IDYES}, {"_No", IDNO}}, 2, 0},
    // MB_RETRYCANCEL
    {{{"_Retry", IDRETRY}, {"_Cancel", IDCANCEL}}, 2, IDCANCEL},
};

dialog::BoxIcon icon_of(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return dialog::BoxIcon::error;
    case MB_ICONQUESTION:
        return dialog::BoxIcon::question;
    case MB_ICONEXCLAMATION:
        return dialog::BoxIcon::warning;
    case MB_ICONASTERISK:
        return dialog::BoxIcon::information;
    }
    return dialog::BoxIcon::none;
}

} // namespace

// Modal, with no owner, above whatever the process shows. With no display at all the box
// fails, as Windows' does when it cannot make its window (the reason has been reported). A
// box with nowhere to go while the windows have a driver of their own (one the user named,
// such as SDL's offscreen one) writes its text to standard error and the first button
// answers.
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    (void)hWnd;
    UINT kind = uType & MB_TYPEMASK;
    if (kind >= sizeof button_sets / sizeof button_sets[0])
        return 0;
    const ButtonSet &set = button_sets[kind];
    dialog::Box box{text::cp1252_to_utf8(lpCaption ? lpCaption : "Error"),
                    text::cp1252_to_utf8(lpText ? lpText : ""),
                    icon_of(uType),
                    set.buttons,
                    set.count,
                    set.escape};
    int answer = 0;
    dialog::MonitorArea shown_on;
    // While the first box waits, the rest of the layer gets ready for the first window.
    if (!dialog::run_box(box, warm_up_while_box_waits(), &answer, &shown_on)) {
        if (!backend::for_sdl().reachable)
            return 0;
        std::fprintf(stderr, "%s\n%s\n", box.caption.c_str(), box.text.c_str());
        return set.buttons[0].answer;
    }
    box_shown_on({shown_on.x, shown_on.y, shown_on.width, shown_on.height});
    return answer;
}
