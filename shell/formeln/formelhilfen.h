#pragma once
// What the project formula dialogs share: their texts, the formula list of a table, defining
// with the usual message, and their single instances.
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <utility>

class QListWidget;
class QWidget;

namespace zol {

class Tfktbaum;

namespace formelmeldungen {
inline const QString fehlerhaft = QStringLiteral("Fehlerhafter Ausdruck");
inline const QString alle_loeschen = QStringLiteral("Alle Formeln löschen?");
inline const QString nicht_loeschbar = QStringLiteral(
    " Formel kann nicht gelöscht werden, da sie in einer anderen Formel enthalten ist.");
inline const QString wirklich_loeschen = QStringLiteral(" wirklich löschen?");
} // namespace formelmeldungen

// The formeltext of every entry, in table order.
QStringList formelliste(const Tfktbaum& tabelle);
// Defines text in tabelle; a refused definition is told with "Fehlerhafter Ausdruck" (the engine
// has told a refused self-reference before). The table is unchanged on failure.
bool definieren(Tfktbaum& tabelle, const QString& text, QWidget* eltern);
// Upper-case name of a definition text, empty if the text does not split.
QString formelname(const QString& text);
void liste_fuellen(QListWidget* liste, const QStringList& zeilen);

// One instance for the whole program, created on first use and released while the application
// object is destroyed (before the widgets' platform resources go).
template <class T> T& einzelstueck() {
    static T* objekt = nullptr;
    if (objekt == nullptr) {
        objekt = new T;
        qAddPostRoutine([] { delete std::exchange(objekt, nullptr); });
    }
    return *objekt;
}

} // namespace zol
