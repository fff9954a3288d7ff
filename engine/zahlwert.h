#pragma once
#include <string_view>

namespace zol {

// Converts a number written with the decimal comma ("1,5E-3"): comma and point are exchanged,
// then the text must be an optional sign, digits with an optional decimal part and an optional
// exponent. fehlerposition is 0 on success, else the 1-based position of the offending
// character. Locale-independent. Values below the smallest extended number become 0; values
// beyond the largest fail.
bool zahlwert(std::string_view text, long double& wert, int& fehlerposition);
bool zahlwert(std::string_view text, long double& wert);

} // namespace zol
