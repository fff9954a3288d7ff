#pragma once
// Text files for the windows: the program's one reader and writer (Windows-1252 or UTF-8 with
// byte-order mark, CRLF) with German messages when something goes wrong.
#include <QString>
#include <QStringList>

class QWidget;

namespace zol {

// Reads the lines of a text file; on failure shows a German message naming the file and
// returns false.
bool zeilen_lesen(const QString& datei, QStringList& zeilen, QWidget* eltern = nullptr);
// Writes through a temporary file and a rename; on failure shows a German message, leaves an
// existing file intact and returns false.
bool zeilen_schreiben(const QString& datei, const QStringList& zeilen, QWidget* eltern = nullptr);

} // namespace zol
