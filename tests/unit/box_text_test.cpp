// The letters a box's buttons answer to, and the text Ctrl+C copies from it.
#include "platform/dialog/box_text.h"

#include <gtest/gtest.h>

using namespace zelmvik::dialog;

namespace {

TEST(BoxText, MnemonicIsTheCharacterAfterTheMark) {
    struct Case {
        const char *label, *letter, *reads;
    } cases[] = {
        {"_Yes", "Y", "Yes"},
        {"_Nej", "N", "Nej"},
        {"_\xD0\x94\xD0\xB0", "\xD0\x94", "\xD0\x94\xD0\xB0"}, // "_Да": a whole Cyrillic letter
        {"Can_cel", "c", "Cancel"},
        {"a__b", "", "a_b"}, // a doubled mark is an underscore of the text
        {"a__b_c", "c", "a_bc"},
        {"OK", "", "OK"},
        {"_", "", "_"},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(mnemonic_of(c.label), c.letter) << c.label;
        EXPECT_EQ(without_mnemonic(c.label), c.reads) << c.label;
    }
}

TEST(BoxText, CopiedAsWindowsCopiesABox) {
    EXPECT_EQ(box_as_copied("Vamo GL", "Not Supported By\nYour Video Card.", {"Ja", "Nej"}),
              "---------------------------\n"
              "Vamo GL\n"
              "---------------------------\n"
              "Not Supported By\nYour Video Card.\n"
              "---------------------------\n"
              "Ja   Nej   \n"
              "---------------------------\n");
}

} // namespace
