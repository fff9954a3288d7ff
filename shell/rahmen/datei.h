#pragma once
// Text files for the windows: the program's one reader and writer (Windows-1252 or UTF-8 with
// byte-order mark, CRLF) with German messages when something goes wrong.
#include <QHash>
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

// While an object lives, zeilen_schreiben keeps the lines it is given for each file name. A
// listening one writes nothing and reports success, so the frame learns what a window would
// write without touching its file; a writing one keeps the lines of the files it wrote.
class Zeilenfang {
public:
    enum class Art { zuhoeren, mitschreiben };
    explicit Zeilenfang(Art art = Art::zuhoeren);
    ~Zeilenfang();
    Zeilenfang(const Zeilenfang&) = delete;
    Zeilenfang& operator=(const Zeilenfang&) = delete;
    // The lines last given for datei; false when none were.
    bool zeilen(const QString& datei, QStringList& zeilen) const;

private:
    friend bool zeilen_schreiben(const QString&, const QStringList&, QWidget*);
    Art art_;
    Zeilenfang* vorher_;
    QHash<QString, QStringList> gefangen_;
};

} // namespace zol
