#pragma once
// The outline of lessons in "Lektion/lekt.out": one entry per line, the nesting level given by
// leading tab characters; an entry that opens a template ends with the template's file name in
// parentheses ("Eingabe und Bearbeiten von Funktionen (Zeich)").
#include <QList>
#include <QString>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace zol {

// The index file's name relative to a data folder.
inline const QString vorlagenindex = QStringLiteral("Lektion/lekt.out");

// Fills the tree from the lines of an index file. Empty lines are skipped; a line indented
// deeper than one level below the one before hangs directly under that one.
void gliederung_fuellen(QTreeWidget* baum, const QStringList& zeilen);
// The lines of the tree, each indented by one tab per level.
QStringList gliederung_zeilen(const QTreeWidget* baum);
// Every entry in outline order, as if the outline were fully expanded.
QList<QTreeWidgetItem*> gliederung_eintraege(const QTreeWidget* baum);

// Reads the index file into the tree (empty when there is none); false after a message when it
// exists but cannot be read.
bool gliederung_laden(QTreeWidget* baum);

// The template an entry names: the text between the last "(" and the closing ")" at its end;
// empty when the entry names none.
QString vorlagenname(const QString& eintrag);
// The description of an entry: the text before the template name, without trailing blanks.
QString vorlagenbeschreibung(const QString& eintrag);

} // namespace zol
