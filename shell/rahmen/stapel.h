#pragma once
// Batch mode: one topic window without a display, driven from the command line.
//
//   zol --batch KIND [--load FILE] [--set NAME=VALUE]... [--command NAME]... [--save FILE]
//
// KIND is a class name ("TEditForm"), a kind name ("Rechnen") or a kind number ("5").
// --set writes a control found by its object name: edit fields and memos take the text ("\n"
// in VALUE starts a new line), check boxes and radio buttons 0 or 1, radio groups, notebooks
// and combo boxes an index, grid cells are written as NAME[row,col]=text.
// --command runs a frame command or one of the window's own by its name, with or without
// "&" and "..." ("Rechne", "Zeichnen", "Programm starten"), or by the face of its tool button
// ("+", ">B1"); without any --command the window
// computes ("Rechne") if it can.
//
// Output, in this order and form:
//   Meldung: TEXT            a message box, when it appears (further lines of it indented)
//   Frage: TEXT -> Ja        a question, always answered "Ja"
//   == KLASSE ==             the batch window, then every window the commands opened
//   NAME:                    each result control, shown or hidden: edit fields, labels and
//   ...                      text shapes as one line "NAME: text", memos line by line, grids
//                            as TAB-separated rows, pictures as "NAME: Bild BxH" followed by
//                            one line "  #rrggbb: pixels" per colour, most frequent first
// Exit status 0; 1 when a file could not be loaded (or only in part) or saved, or the output
// could not be written; 2 for a usage error, an unknown kind, control or command, a value that
// is no number for a numeric control or a cell outside the grid.
#include <QStringList>

#include <iosfwd>

namespace zol {

int stapel_ausfuehren(const QStringList& argumente, std::ostream& aus, std::ostream& err);

} // namespace zol
