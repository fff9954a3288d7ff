#pragma once
// The engine never shows anything itself: the few messages it has go to a receiver that the
// user interface installs (a message box), or that tests install to record them.
#include <functional>
#include <string>

namespace zol {

namespace meldungen {
inline constexpr const char* rekursiv = "Rekursive Definitionen nicht erlaubt!";
}

using Meldungsempfaenger = std::function<void(const std::string&)>;

// Installs a receiver and returns the previous one. Without a receiver messages are dropped.
Meldungsempfaenger setze_meldungsempfaenger(Meldungsempfaenger empfaenger);
void melde(const std::string& text);

} // namespace zol
