#include "shell/zeichnen/uebergabe.h"

#include "engine/zahlwert.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

namespace zol {

namespace {

bool ist_zahl(const QString& text) {
    long double w = 0;
    return zahlwert(text.trimmed().toStdString(), w) && std::isfinite(w);
}

// The defined rows, in runs between rows that are not: a solid line draws each run on its own,
// dots need no break and take all rows as one run.
QList<QList<QStringList>> laeufe(const QList<QStringList>& zeilen, bool brechen) {
    QList<QList<QStringList>> r{{}};
    for (const QStringList& z : zeilen) {
        if (z.size() >= 2 && ist_zahl(z[0]) && ist_zahl(z[1])) {
            r.last() << z;
        } else if (brechen && !r.last().isEmpty()) {
            r.append(QList<QStringList>{});
        }
    }
    if (r.last().isEmpty()) r.removeLast();
    return r;
}

} // namespace

Tdialogfkt* neuesZeichenfenster(const QString& format) {
    auto* fenster = new Tdialogfkt;
    fenster->setzeFormat(format);
    fenster->show();
    return fenster;
}

Tdialogfkt* funktionZeichnen(const QString& format, const QString& definition) {
    Tdialogfkt* fenster = neuesZeichenfenster(format);
    fenster->waehleFunktionsseite(Tdialogfkt::seite_funktion);
    fenster->setzeDefinition(definition);
    fenster->hinzufuegen();
    return fenster;
}

QString uebergabedatei(const QString& name) {
    if (QFileInfo(QDir::currentPath()).isWritable()) return name;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).filePath(name);
}

bool punkteZeichnen(Tdialogfkt& fenster, const QString& datei, const QList<QStringList>& zeilen,
                    int stil) {
    const QList<QList<QStringList>> teile = laeufe(zeilen, stil == stil_linie);
    if (teile.isEmpty()) return false;
    const int vorher = fenster.funktionsstift().stil;
    fenster.setzeFunktionsstil(stil);
    const bool ok = fenster.uebergabeHinzufuegen(uebergabedatei(datei), teile);
    fenster.setzeFunktionsstil(vorher);
    return ok;
}

} // namespace zol
