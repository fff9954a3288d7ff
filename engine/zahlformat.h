#pragma once
// Number format picture language: every number the program prints goes through format().
#include <string>
#include <string_view>

namespace zol {

// German separators, whatever the process locale: the formula language reads the decimal comma,
// so printed results must stay re-enterable.
inline constexpr char dezimalzeichen = ',';
inline constexpr char tausenderzeichen = '.';

// Formats value with a picture such as "0.00", "0.00E-0", "#,##0.00;(#,##0.00);Null".
// An empty picture gives the general form (shortest form with at most 15 significant digits).
// Never throws; any picture yields some text.
std::string format(std::string_view bild, long double wert);

// The general form alone (also used for values too large for a fixed picture).
std::string allgemeinformat(long double wert);

} // namespace zol
