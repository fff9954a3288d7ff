#include "shell/rahmen/datei.h"

#include "engine/textkodierung.h"
#include "shell/dienste/meldungsdienst.h"

#include <QDir>

namespace zol {

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
    if (textdatei_schreiben(datei.toStdString(), z)) return true;
    meldung(QStringLiteral("Die Datei %1 kann nicht gespeichert werden.")
                .arg(QDir::toNativeSeparators(datei)),
            eltern);
    return false;
}

} // namespace zol
