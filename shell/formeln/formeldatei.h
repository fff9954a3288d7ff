#pragma once
// Formula files (".for", also ".txt"): one definition per line, as typed. Read and written as
// text files of the program (Windows-1252 with CRLF, or UTF-8 with a byte-order mark).
#include <QString>
#include <QStringList>
#include <optional>

namespace zol {

// File dialog filters and default extension of formula files.
QStringList formeldatei_filter();
inline const QString formeldatei_endung = QStringLiteral("for");

// The file's lines without blank ones; nothing and a German message naming the file when the
// file is missing, unreadable, binary or too large for a formula file.
std::optional<QStringList> formeldatei_lesen(const QString& pfad, QString& fehler);
// Writes through a temporary file, so an existing file stays intact when writing fails; false
// and a German message then.
bool formeldatei_schreiben(const QString& pfad, const QStringList& zeilen, QString& fehler);

} // namespace zol
