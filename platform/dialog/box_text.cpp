#include "platform/dialog/box_text.h"

namespace zelmvik::dialog {

namespace {

// The length of the UTF-8 character that starts with byte `lead` (1 for a stray byte).
size_t character_length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::string mnemonic_of(const std::string &label) {
    for (size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != '_')
            continue;
        if (label[i + 1] != '_')
            return label.substr(i + 1, character_length(static_cast<unsigned char>(label[i + 1])));
        ++i; // "__" is the underscore itself
    }
    return "";
}

std::string without_mnemonic(const std::string &label) {
    std::string text;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '_' && i + 1 < label.size())
            ++i;
        text += label[i];
    }
    return text;
}

std::string box_as_copied(const std::string &caption, const std::string &text,
                          const std::vector<std::string> &labels) {
    // Windows' own layout, with the line ends of the desktop the text is pasted into.
    const std::string rule = "---------------------------\n";
    std::string buttons;
    for (const std::string &label : labels)
        buttons += label + "   ";
    return rule + caption + "\n" + rule + text + "\n" + rule + buttons + "\n" + rule;
}

} // namespace zelmvik::dialog
