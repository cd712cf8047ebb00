#pragma once

#include <QString>

#include <string_view>

namespace orvant {

// A row of 8-bit characters as the byte table shows it: Latin-1, with every
// control character (0 to 31, 127 to 159) shown as a visible placeholder that no
// other byte shows, so no byte can cut, split or misalign a row.
QString displayText(std::string_view bytes);

// The placeholder or Latin-1 character of one byte.
QChar displayCharacter(unsigned char byte);

} // namespace orvant
