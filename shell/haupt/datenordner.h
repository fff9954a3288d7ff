#pragma once
// Where the program's data lives: "Standard.pro", the template folder "Lektion" with its index
// "lekt.out", the templates. Files the user changes are written to the user's data folder, which
// comes first when reading, so an installed program works for a user without write access to it.
#include <QString>
#include <QStringList>

namespace zol {

// The folders searched, in order: the user's data folder ($XDG_DATA_HOME/zol), the program's
// own folder (a build tree, data copied beside the executable), the installed data folder
// (share/zol beside the executable's prefix).
QStringList datenordner();

// A data file by its name relative to a data folder ("Lektion/lekt.out"): the first that
// exists, or with schreiben the place in the user's data folder (its folder is created).
// Empty when reading finds nothing or the user's folder cannot be created.
QString datenpfad(const QString& relativ, bool schreiben = false);

} // namespace zol
