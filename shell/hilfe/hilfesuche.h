#pragma once
// Full-text search over the bundled help pages. Words are compared without regard to case,
// and an umlaut matches its spelling with "e" ("lösche" finds "loesche" and the other way
// round), so pupils find a topic however they type it.
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace zol {

struct Hilfeseite {
    QString datei; // file name in the help folder, "rechnen.html"
    QString titel; // the page's <title>
    QString text;  // the page as plain text
};

// All pages of the help folder, read once, sorted by file name.
const QList<Hilfeseite>& hilfeseiten();

// Text prepared for comparison, with the position in the original text of every character.
struct Gefaltet {
    QString text;
    QList<int> herkunft; // one entry per character of text, plus the original length
};
Gefaltet falten(const QString& text);

// The words of a search text, folded; empty when there is nothing to search for.
QStringList suchwoerter(const QString& begriff);

// Where the words occur in text: [begin, end) positions in the original text, in order;
// overlapping places are joined.
QList<std::pair<int, int>> fundstellen(const QString& text, const QStringList& woerter);

struct Suchtreffer {
    QString datei;
    QString titel;
    int anzahl = 0; // occurrences of all words on the page
    QString auszug; // plain text around the first occurrence
};

// The pages that contain every word of begriff, best first.
QList<Suchtreffer> hilfe_suchen(const QString& begriff);

} // namespace zol
