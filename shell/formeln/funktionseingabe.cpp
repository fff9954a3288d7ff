#include "shell/formeln/funktionseingabe.h"

#include "engine/fktbaum.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/formeln/einffordlg.h"
#include "shell/formeln/formelbaum.h"

#include <QLineEdit>
#include <QPushButton>

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

} // namespace zol
