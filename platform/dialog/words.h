// The toolkit's own words, in the language of the person's locale.
#pragma once

#include <string>

namespace zelmvik::dialog {

// GTK's translation of one of its own labels ("_Yes" is "_Ja" in Danish) into the language
// the locale's LANGUAGE and LC_MESSAGES ask for; the label itself where there is none. The
// process's locale stays as it is (C): only these words follow the person's.
std::string toolkit_word(const char *label);

} // namespace zelmvik::dialog
