#include "shell/hilfe/hilfesuche.h"

#include "shell/hilfe/hilfekontexte.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>

#include <algorithm>

namespace zol {

namespace {

Hilfeseite seite_lesen(const QString& datei) {
    Hilfeseite s;
    s.datei = datei;
    QFile f(QLatin1String(hilfeordner) + QLatin1Char('/') + datei);
    if (!f.open(QIODevice::ReadOnly)) return s;
    QTextDocument dokument;
    dokument.setHtml(QString::fromUtf8(f.readAll()));
    s.titel = dokument.metaInformation(QTextDocument::DocumentTitle);
    if (s.titel.isEmpty()) s.titel = datei;
    s.text = dokument.toPlainText();
    return s;
}

// Up to this many characters of context on each side of a hit.
constexpr int auszug_rand = 70;

QString auszug(const QString& text, int anfang, int ende) {
    int von = std::max(0, anfang - auszug_rand);
    int bis = std::min(static_cast<int>(text.size()), ende + auszug_rand);
    // Start and end at word boundaries where there is one nearby.
    if (von > 0) {
        const int leer = text.indexOf(QLatin1Char(' '), von);
        if (leer >= 0 && leer < anfang) von = leer + 1;
    }
    if (bis < text.size()) {
        const int leer = text.lastIndexOf(QLatin1Char(' '), bis);
        if (leer >= ende) bis = leer;
    }
    QString a = text.mid(von, bis - von).simplified();
    if (von > 0) a.prepend(QStringLiteral("… "));
    if (bis < text.size()) a.append(QStringLiteral(" …"));
    return a;
}

} // namespace

const QList<Hilfeseite>& hilfeseiten() {
    static const QList<Hilfeseite> seiten = [] {
        QList<Hilfeseite> s;
        const QStringList dateien =
            QDir(QLatin1String(hilfeordner))
                .entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
        for (const QString& datei : dateien)
            s << seite_lesen(datei);
        return s;
    }();
    return seiten;
}

Gefaltet falten(const QString& text) {
    Gefaltet g;
    g.text.reserve(text.size());
    g.herkunft.reserve(text.size() + 1);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i).toCaseFolded();
        auto zwei = [&](char a, char b) {
            g.text += QLatin1Char(a);
            g.text += QLatin1Char(b);
            g.herkunft << i << i;
        };
        switch (c.unicode()) {
        case 0x00E4: // ä
            zwei('a', 'e');
            break;
        case 0x00F6: // ö
            zwei('o', 'e');
            break;
        case 0x00FC: // ü
            zwei('u', 'e');
            break;
        case 0x00DF: // ß
        case 0x1E9E: // capital ß
            zwei('s', 's');
            break;
        case 0x00A0: // no-break space
            g.text += QLatin1Char(' ');
            g.herkunft << i;
            break;
        default:
            g.text += c;
            g.herkunft << i;
            break;
        }
    }
    g.herkunft << static_cast<int>(text.size());
    return g;
}

QStringList suchwoerter(const QString& begriff) {
    QStringList woerter;
    for (const QString& w : begriff.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // Quotes around a word are no part of it.
        QString wort = w;
        wort.remove(QLatin1Char('"')).remove(QChar(0x201E)).remove(QChar(0x201C));
        wort = falten(wort.trimmed()).text;
        if (!wort.isEmpty() && !woerter.contains(wort)) woerter << wort;
    }
    return woerter;
}

QList<std::pair<int, int>> fundstellen(const QString& text, const QStringList& woerter) {
    QList<std::pair<int, int>> stellen;
    if (woerter.isEmpty()) return stellen;
    const Gefaltet g = falten(text);
    for (const QString& wort : woerter) {
        for (int pos = g.text.indexOf(wort); pos >= 0; pos = g.text.indexOf(wort, pos + 1)) {
            const int anfang = g.herkunft.at(pos);
            // The end is the character after the last one matched; a folded umlaut that is
            // only half matched still counts whole.
            const int ende = g.herkunft.at(pos + wort.size() - 1) + 1;
            stellen.append({anfang, ende});
        }
    }
    std::sort(stellen.begin(), stellen.end());
    // Places that overlap (FAK inside FAKULTÄT) count as one.
    QList<std::pair<int, int>> vereint;
    for (const auto& s : stellen) {
        if (!vereint.isEmpty() && s.first < vereint.last().second)
            vereint.last().second = std::max(vereint.last().second, s.second);
        else
            vereint << s;
    }
    return vereint;
}

QList<Suchtreffer> hilfe_suchen(const QString& begriff) {
    QList<Suchtreffer> treffer;
    const QStringList woerter = suchwoerter(begriff);
    if (woerter.isEmpty()) return treffer;
    QList<int> wertung;
    for (const Hilfeseite& seite : hilfeseiten()) {
        const QString gefaltet = falten(seite.text).text;
        const QString titel = falten(seite.titel).text;
        bool alle = true;
        int punkte = 0;
        for (const QString& wort : woerter) {
            const int n = static_cast<int>(gefaltet.count(wort));
            if (n == 0) {
                alle = false;
                break;
            }
            punkte += n + (titel.contains(wort) ? 20 : 0);
        }
        if (!alle) continue;
        Suchtreffer t;
        t.datei = seite.datei;
        t.titel = seite.titel;
        const auto stellen = fundstellen(seite.text, woerter);
        t.anzahl = static_cast<int>(stellen.size());
        // The excerpt shows the first place of the first word.
        const auto erste = fundstellen(seite.text, {woerter.first()}).first();
        t.auszug = auszug(seite.text, erste.first, erste.second);
        // Keep the list sorted by score, then by title.
        int i = 0;
        while (i < treffer.size() &&
               (wertung[i] > punkte ||
                (wertung[i] == punkte && treffer[i].titel.localeAwareCompare(t.titel) <= 0)))
            ++i;
        treffer.insert(i, t);
        wertung.insert(i, punkte);
    }
    return treffer;
}

} // namespace zol
