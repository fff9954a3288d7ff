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
// existing file intact and returns false. A file that already holds exactly these lines is
// left as it is, byte for byte.
bool zeilen_schreiben(const QString& datei, const QStringList& zeilen, QWidget* eltern = nullptr);

// While an object lives (saving a project), a window file whose lines differ only in the
// window's place and size line ("0#720#440#2#2#") is left as it is too: a window the window
// manager moved a little has not changed, and its file (possibly shared, or written by
// another program) must stay untouched.
class Lageunterschiede_egal {
public:
    Lageunterschiede_egal();
    ~Lageunterschiede_egal();
    Lageunterschiede_egal(const Lageunterschiede_egal&) = delete;
    Lageunterschiede_egal& operator=(const Lageunterschiede_egal&) = delete;
};

} // namespace zol
