#include "shell/formeln/formelhilfen.h"

#include "engine/fktbaum.h"
#include "engine/rechnen.h"
#include "shell/dienste/meldungsdienst.h"

#include <QListWidget>

namespace zol {

QStringList formelliste(const Tfktbaum& tabelle) {
    QStringList texte;
    texte.reserve(tabelle.anzahl());
    for (int i = 0; i < tabelle.anzahl(); ++i)
        texte << QString::fromStdString(tabelle.eintrag(i));
    return texte;
}

bool definieren(Tfktbaum& tabelle, const QString& text, QWidget* eltern) {
    if (tabelle.definiere(text.toStdString())) return true;
    meldung(formelmeldungen::fehlerhaft, eltern);
    return false;
}

QString formelname(const QString& text) {
    std::string name, rechts, variable;
    if (!Tfktbaum::aufspalten(text.toStdString(), name, rechts, variable)) return {};
    return QString::fromStdString(name);
}

void liste_fuellen(QListWidget* liste, const QStringList& zeilen) {
    liste->clear();
    liste->addItems(zeilen);
}

} // namespace zol
