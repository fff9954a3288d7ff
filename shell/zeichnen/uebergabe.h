#pragma once
// Handing a curve or a table of points to a new plot window. Every topic window draws through
// these, whatever its area.
#include "graph/zeichenmittel.h" // the pen styles stil_linie, stil_kleiner_kreis, …

#include <QList>
#include <QString>
#include <QStringList>

namespace zol {

class Tdialogfkt;

// A new plot window with the given number format, shown.
Tdialogfkt* neuesZeichenfenster(const QString& format);

// A new plot window with the given number format, on its page "Funktion f(x)", shown, with the
// definition added as a curve. The window lives on its own like one the main window opens.
Tdialogfkt* funktionZeichnen(const QString& format, const QString& definition);

// The file a hand-over's point table is written to: the name as it is (relative to the working
// folder), or the same name in the temporary folder when the program was started in a folder
// it may not write to, so the hand-over still works.
QString uebergabedatei(const QString& name);

// Adds rows of (x, y) texts to a plot window as a point table under the name
// uebergabedatei(datei), drawn with the pen style stil (stil_kleiner_kreis dotted,
// stil_linie solid); the function pen has its old style again afterwards. A row whose x or y is
// not a number ("n. d.") leaves a gap: it is not part of the table, and a solid line is broken
// there. The window keeps its own copy of the points, so a later hand-over under the same name
// does not change its drawing. False when nothing was added.
bool punkteZeichnen(Tdialogfkt& fenster, const QString& datei, const QList<QStringList>& zeilen,
                    int stil);

} // namespace zol
