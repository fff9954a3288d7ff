#include "shell/formeln/formeldatei.h"

#include "engine/hilfen.h"
#include "engine/textkodierung.h"

#include <QDir>
#include <QFile>

namespace zol {

namespace {

// Thousands of definitions fit in far less; anything larger is not a formula file.
constexpr std::uintmax_t max_bytes = 1u << 20;

std::string dateipfad(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

QString grund(Lesefehler fehler) {
    switch (fehler) {
    case Lesefehler::nicht_vorhanden:
        return QStringLiteral("Die Datei gibt es nicht.");
    case Lesefehler::binaer:
        return QStringLiteral("Die Datei enthält Binärdaten und ist keine Formeldatei.");
    case Lesefehler::zu_gross:
        // Bytes or lines: a file of a million empty lines is small but no formula file either.
        return QStringLiteral("Die Datei ist größer als 1 MB oder hat mehr als 1 000 000 Zeilen "
                              "und ist damit keine Formeldatei.");
    case Lesefehler::nicht_lesbar:
    case Lesefehler::keiner:
        break;
    }
    return QStringLiteral("Die Datei kann nicht gelesen werden.");
}

} // namespace

QStringList formeldatei_filter() {
    return {QStringLiteral("Formeln (*.for)"), QStringLiteral("Text (*.txt)"),
            QStringLiteral("Alle Dateien (*)")};
}

std::optional<QStringList> formeldatei_lesen(const QString& pfad, QString& fehler) {
    fehler.clear();
    const Textdatei datei = textdatei_lesen(dateipfad(pfad), max_bytes);
    if (datei.fehler != Lesefehler::keiner) {
        fehler = QStringLiteral("Datei kann nicht geladen werden.\n%1\n%2")
                     .arg(QDir::toNativeSeparators(pfad), grund(datei.fehler));
        return std::nullopt;
    }
    QStringList zeilen;
    for (const std::string& zeile : datei.zeilen)
        if (!leerzeichenweg(zeile).empty()) zeilen << QString::fromStdString(zeile);
    return zeilen;
}

bool formeldatei_schreiben(const QString& pfad, const QStringList& zeilen, QString& fehler) {
    fehler.clear();
    std::vector<std::string> texte;
    texte.reserve(static_cast<std::size_t>(zeilen.size()));
    for (const QString& zeile : zeilen)
        texte.push_back(zeile.toStdString());
    const Schreibfehler ergebnis = textdatei_speichern(dateipfad(pfad), texte);
    if (ergebnis == Schreibfehler::keiner) return true;
    fehler = QStringLiteral("Datei kann nicht gespeichert werden.\n%1\n%2")
                 .arg(QDir::toNativeSeparators(pfad),
                      ergebnis == Schreibfehler::schreibgeschuetzt
                          ? QStringLiteral("Die Datei ist schreibgeschützt und bleibt unverändert.")
                          : QStringLiteral("Eine schon vorhandene Datei bleibt unverändert."));
    return false;
}

} // namespace zol
