#pragma once
// The program's command-line modes that need no display.
#include <iosfwd>
#include <string>
#include <vector>

namespace zol {

// Exit codes of the command-line modes.
inline constexpr int exit_ok = 0;
inline constexpr int exit_fehlerzeilen = 1; // the program printed "Fehler:" lines
inline constexpr int exit_aufruf = 2;       // usage error or unreadable input

// True if the arguments ask for a mode that runs without a window (so no GUI application
// object may be created).
bool ist_konsolenmodus(const std::vector<std::string>& argumente);

// Runs the mode the arguments name (arguments without the program name): "--run FILE|-" with
// an optional "--format PICTURE", "--help", or without arguments the interactive calculator.
int konsole_ausfuehren(const std::vector<std::string>& argumente, std::istream& ein,
                       std::ostream& aus, std::ostream& err);

} // namespace zol
