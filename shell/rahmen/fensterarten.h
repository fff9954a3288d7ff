#pragma once
// The one table of topic window kinds: kind number in project files, class, kind name, title,
// data-file extension and filter, the marker line of its data files and its help context.
// A kind can be created once its window has registered a factory.
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace zol {

class Tmodulfenster;

struct Fensterart {
    int art = -1;         // kind number ("Art") in project files; -1 for none
    QString klasse;       // class name, e.g. "TEditForm"
    QString artname;      // kind name, the caption of a window a template opens
    QString titel;        // window title until a file is loaded or saved
    QString endung;       // data-file extension without dot; empty: no data-file dialogs
    QStringList filter;   // file dialog filters in Qt's form, "Wertetabelle (*.wer)"
    QString kennung;      // first line of its data files; empty: the window has its own format
    int hilfekontext = 0; // help page of the window
    std::function<Tmodulfenster*()> erzeugen; // empty until the window is built
};

// All kinds, in the order of the kind numbers.
const std::vector<Fensterart>& fensterarten();
const Fensterart* fensterart_nach_nummer(int art);
// By class name ("TEditForm") or kind name ("Rechnen"); case is ignored.
const Fensterart* fensterart_nach_name(const QString& name);
// Gives a kind its factory; returns false for an unknown class.
bool fensterart_registrieren(const QString& klasse, std::function<Tmodulfenster*()> erzeugen);

} // namespace zol
