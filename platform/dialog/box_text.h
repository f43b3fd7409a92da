// A box's words as text: its buttons' labels with their mnemonics, and the whole box as
// Ctrl+C copies it. No toolkit here.
#pragma once

#include <string>
#include <vector>

namespace zelmvik::dialog {

// The character a label's mnemonic marks ("_Nej": "N"; "__" is an underscore of the text),
// as UTF-8; empty where it marks none.
std::string mnemonic_of(const std::string &label);
// The label as it reads, without its mnemonic mark.
std::string without_mnemonic(const std::string &label);

// The box as Windows copies it: caption, text and the buttons' labels, each section closed
// by a line of dashes.
std::string box_as_copied(const std::string &caption, const std::string &text,
                          const std::vector<std::string> &labels);

} // namespace zelmvik::dialog
