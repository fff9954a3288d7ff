#pragma once
// The program's help: a viewer over the bundled pages, opened at a window's context number.
class QWidget;

namespace zol {

class Thilfefenster;

// Puts the help viewer behind hilfe_anzeigen() (programmhaken.h). The program calls this once
// at start, after the QApplication exists; until then the "Hilfe" commands do nothing.
void hilfe_einrichten();

// Opens the one help window at a context number: created on first use, then shown, raised
// and activated. While a modal dialog runs, the window goes along with that dialog so that it
// stays usable.
Thilfefenster& hilfe_oeffnen(int kontext, QWidget* eltern = nullptr);

// The help window if it exists.
Thilfefenster* hilfefenster();

} // namespace zol
