#pragma once
// Number texts shared by the linear algebra windows' computations.
#include <string>
#include <string_view>

namespace zol::linalg {

// The value written with the picture bild; "n. d." when it is not finite. A value that the
// picture rounds to zero never keeps its minus sign ("-0,00" from -1E-17 after an elimination).
std::string zahltext(std::string_view bild, long double wert);

} // namespace zol::linalg
