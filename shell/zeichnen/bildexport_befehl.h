#pragma once
// Picture export without a display: a saved plot file drawn into a picture file.
//
//   zol --export DATEI.fkt BILD.(png|bmp|svg|pdf|wmf|emf) [--size BREITExHOEHE]
//       [--scale willkürlich|winkeltreu|maßstabstreu] [--crop]
//
// --crop: the picture shows only the drawing (with a small margin), not the whole page.
//
// The plot file is loaded into a plot window that is never shown, and its page is exported as
// the dialog "Grafik speichern und kopieren" would. Messages of the window go to err.
// Exit status 0; 1 when the picture could not be written (an existing file stays intact);
// 2 for a usage error or a plot file that cannot be read.
#include <QStringList>

#include <iosfwd>

namespace zol {

// argumente as QApplication::arguments() gives them, "--export" among them. Needs a
// QApplication.
int export_ausfuehren(const QStringList& argumente, std::ostream& err);

} // namespace zol
