#include "shell/rahmen/datei.h"

#include "engine/textkodierung.h"
#include "shell/dienste/meldungsdienst.h"

#include <QDir>

#include <regex>

namespace zol {

namespace {

int& lage_egal() {
    static int zaehler = 0;
    return zaehler;
}

bool ist_lagezeile(const std::string& z) {
    static const std::regex muster("-?\\d+#-?\\d+#-?\\d+#-?\\d+#-?\\d+#");
    return std::regex_match(z, muster);
}

// The same lines, or (while saving a project) the same but for the first place-and-size line.
bool gleicher_inhalt(const std::vector<std::string>& alt, const std::vector<std::string>& neu) {
    if (alt == neu) return true;
    if (lage_egal() == 0 || alt.size() != neu.size()) return false;
    bool lage_gesehen = false;
    for (std::size_t i = 0; i < alt.size(); ++i) {
        if (alt[i] == neu[i]) {
            lage_gesehen = lage_gesehen || ist_lagezeile(alt[i]);
            continue;
        }
        if (lage_gesehen || !ist_lagezeile(alt[i]) || !ist_lagezeile(neu[i])) return false;
        lage_gesehen = true;
    }
    return true;
}

} // namespace

Lageunterschiede_egal::Lageunterschiede_egal() {
    ++lage_egal();
}

Lageunterschiede_egal::~Lageunterschiede_egal() {
    --lage_egal();
}

bool zeilen_lesen(const QString& datei, QStringList& zeilen, QWidget* eltern) {
    const Textdatei t = textdatei_lesen(datei.toStdString());
    const QString name = QDir::toNativeSeparators(datei);
    switch (t.fehler) {
    case Lesefehler::keiner:
        zeilen.clear();
        zeilen.reserve(static_cast<qsizetype>(t.zeilen.size()));
        for (const std::string& z : t.zeilen)
            zeilen << QString::fromStdString(z);
        return true;
    case Lesefehler::nicht_vorhanden:
        meldung(name + QStringLiteral(" Datei nicht gefunden!"), eltern);
        break;
    case Lesefehler::nicht_lesbar:
        meldung(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(name), eltern);
        break;
    case Lesefehler::binaer:
        meldung(QStringLiteral("Die Datei %1 ist keine Textdatei.").arg(name), eltern);
        break;
    case Lesefehler::zu_gross:
        meldung(QStringLiteral("Die Datei %1 ist zu groß.").arg(name), eltern);
        break;
    }
    return false;
}

bool zeilen_schreiben(const QString& datei, const QStringList& zeilen, QWidget* eltern) {
    std::vector<std::string> z;
    z.reserve(static_cast<std::size_t>(zeilen.size()));
    for (const QString& s : zeilen)
        z.push_back(s.toStdString());
    // A file that already says exactly this is left alone, byte for byte: saving a project
    // must not rewrite (and convert the line ends of) files nothing was changed in.
    if (const Textdatei alt = textdatei_lesen(datei.toStdString());
        alt.fehler == Lesefehler::keiner && gleicher_inhalt(alt.zeilen, z))
        return true;
    switch (textdatei_speichern(datei.toStdString(), z)) {
    case Schreibfehler::keiner:
        return true;
    case Schreibfehler::schreibgeschuetzt:
        meldung(QStringLiteral("Die Datei %1 ist schreibgeschützt und wurde nicht verändert.")
                    .arg(QDir::toNativeSeparators(datei)),
                eltern);
        return false;
    case Schreibfehler::nicht_schreibbar:
        break;
    }
    meldung(QStringLiteral("Die Datei %1 kann nicht gespeichert werden.")
                .arg(QDir::toNativeSeparators(datei)),
            eltern);
    return false;
}

} // namespace zol
