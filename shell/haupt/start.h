#pragma once
// The start of the program: main window and single dialogs in their fixed order, the start
// screen, then the question whether to start the lessons.
#include <memory>

namespace zol {

class TMainForm;

// Creates the main window and the program's single dialogs, shows the start screen for
// startbild_ms milliseconds (none for 0) and asks "Lernprogramm starten:". "Ja" starts the
// template demo, "Nein" loads the project "Standard.pro". The caller runs the main loop.
std::unique_ptr<TMainForm> programm_starten(int startbild_ms = 1500);

} // namespace zol
