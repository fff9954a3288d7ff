#pragma once
// Texts written "in the Symbol font" are stored with the Symbol font's character codes (a for
// alpha, p for pi, byte 214 for the radical). They are shown with the Unicode characters of the
// same meaning, so any installed font with Greek and mathematical signs can draw them.
#include <QString>

namespace zol {

// The character that the Symbol font shows for a Windows-1252 code (0 to 255).
char16_t symbolzeichen(unsigned char code);
// A whole text: every character that Windows-1252 can hold is read as a Symbol font code;
// other characters stay as they are.
QString symboltext(const QString& text);

// Codes of the Symbol font that the text language draws directly.
inline constexpr unsigned char symbol_wurzel = 214;
inline constexpr unsigned char symbol_pfeil = 174;
inline constexpr unsigned char symbol_integral = 242;
inline constexpr char16_t summenzeichen = u'\u2211'; // drawn for the sum command

} // namespace zol
