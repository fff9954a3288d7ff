#include "modules/analysis/funktionseingabe.h"

#include "engine/fktbaum.h"
#include "graph/zeichenmittel.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/formeln/einffordlg.h"
#include "shell/formeln/formelbaum.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

namespace zol {

QPushButton* projektformelKnopf(QLineEdit* feld, QWidget* eltern) {
    auto* knopf = new QPushButton(QStringLiteral("Projektformel"), eltern);
    knopf->setObjectName(QStringLiteral("Funktionein"));
    knopf->setToolTip(QStringLiteral("Funktion aus Projektformeln einfügen"));
    QObject::connect(knopf, &QPushButton::clicked, feld, [feld] {
        QString text;
        if (formel_waehlen(text)) feld->setText(text);
    });
    return knopf;
}

const tfunktion* funktionNachschlagen(const QString& definition, QWidget* fenster) {
    Tfktzelle* zelle = nullptr;
    if (formelbaum().suchezeigerstr(definition.toStdString(), zelle) && zelle != nullptr &&
        zelle->funktion)
        return zelle->funktion.get();
    meldung(QStringLiteral("Fehlerhafte Eingabe:") + definition, fenster);
    return nullptr;
}

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

void punkteZeichnen(Tdialogfkt& fenster, const QString& datei, const QList<QStringList>& zeilen) {
    fenster.setzeTabelle(uebergabedatei(datei), zeilen);
    fenster.waehleFunktionsseite(Tdialogfkt::seite_tabelle);
    fenster.setzeFunktionsstil(stil_kleiner_kreis);
    fenster.hinzufuegen();
    fenster.setzeFunktionsstil(stil_linie);
}

} // namespace zol
