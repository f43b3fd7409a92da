#include "platform/dialog/words.h"

#include <clocale>
#include <libintl.h>
#include <locale.h>

namespace zelmvik::dialog {

// GTK 3's message catalogue, which GTK binds as it starts, with its texts in UTF-8.
static const char catalogue[] = "gtk30";

std::string toolkit_word(const char *label) {
    // The person's LC_MESSAGES for this thread and this call only: the process keeps its C
    // locale for its number formats and code page, and no other thread sees a change.
    locale_t base = duplocale(LC_GLOBAL_LOCALE);
    if (base == (locale_t)0)
        return label;
    locale_t person = newlocale(LC_MESSAGES_MASK, "", base);
    if (person == (locale_t)0) { // not installed on this machine: the words stay English
        freelocale(base);
        return label;
    }
    locale_t before = uselocale(person);
    std::string word = dgettext(catalogue, label);
    uselocale(before);
    freelocale(person); // base is part of person now
    return word;
}

} // namespace zelmvik::dialog
