#pragma once
// Services that windows call but the main program provides (help viewer, main window). Until
// the program installs them they do nothing, so windows work alone in tests and batch mode.
#include <functional>

class QWidget;

namespace zol {

// Opens the help at a window's help context number.
void hilfe_anzeigen(int kontext, QWidget* eltern = nullptr);
void setze_hilfeanzeige(std::function<void(int kontext, QWidget* eltern)> anzeige);

// Brings the main window to the front.
void hauptfenster_zeigen();
void setze_hauptfensteranzeige(std::function<void()> anzeige);

} // namespace zol
