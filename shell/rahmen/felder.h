#pragma once
// Builders for the input controls of topic windows, so every window makes its range fields,
// integer fields, decimal fields and check boxes alike.
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QCheckBox;
class QTabWidget;
class QWidget;

namespace zol {

class TextendEdit;
class Tergebnisfeld;
class TlongintEdit;
class Tspineditin;
class TSpinEditex;
class TStringGrid;

namespace felder {

inline constexpr int zahlbreite = 96; // width of a numeric field

// A decimal spin field for range limits and steps: any value, increment 1.
TSpinEditex* bereichsfeld(const char* name, long double wert, QWidget* eltern);
// An integer field with its range.
TlongintEdit* ganzfeld(const char* name, qint32 wert, qint32 min, qint32 max, QWidget* eltern);
// A decimal field with its range and display picture. The picture stays switched off, so the
// window's number format never rounds a small constant (a tolerance, a step h) to 0.
TextendEdit* dezimalfeld(const char* name, long double wert, long double min, long double max,
                         const QString& bild, QWidget* eltern);
QCheckBox* kaestchen(const char* name, const QString& text, bool an, QWidget* eltern);
// A result grid the user reads but does not type into: one fixed row and column, rows 24
// pixels high.
TStringGrid* ergebnisgitter(const char* name, int spaltenbreite, int spalten, int zeilen,
                            QWidget* eltern);

// A read-only result field without bounds that shows "n. d." for a value it could not get.
Tergebnisfeld* ergebnisfeld(const char* name, QWidget* eltern);

// An input grid: one fixed header row and column, cells the user types into, Tab from cell to
// cell and out of the grid after the last one. Its cells start as "0".
TStringGrid* eingabegitter(const char* name, int spaltenbreite, int spalten, int zeilen,
                           QWidget* eltern);
// Sets the size of an input grid (fixed row and column included). Values already typed are
// kept; every input cell that is empty, new ones included, gets "0".
void eingabegroesse(TStringGrid& gitter, int spalten, int zeilen);
// Writes "0" into every input cell.
void nullSetzen(TStringGrid& gitter);
// Headers of the fixed row from column 1 on, and the row numbers 1, 2, ... of the fixed column.
void kopfzeile(TStringGrid& gitter, const QStringList& koepfe);
void zeilennummern(TStringGrid& gitter);
// Calls anpassen(n) now and whenever the size field's value changes, with the value brought into
// the field's range (without writing it while the user types): grids follow a size field at once.
void groesseFolgen(Tspineditin& feld, std::function<void(int n)> anpassen);

// Reads the cells of bereich (grid coordinates) column by column as numbers into werte
// (werte[row][column] of the block). The first cell that is no number is reported as
// "Fehlerhafte Eingabe in Zeile:%1Spalte:%2" (with matrix named in front of "Zeile", when given);
// then the result is false and werte is unchanged.
bool gitterLesen(const TStringGrid& gitter, const QRect& bereich,
                 std::vector<std::vector<long double>>& werte, QWidget* fenster,
                 const QString& matrix = {});

// Reading a field never clamps. Before a computation uses a constant, a typed value outside the
// field's range (which could divide by zero or take ages) is brought into range where the user
// sees it; the result is the value then in the field.
long double imBereich(TextendEdit& feld);
qint32 imBereich(TlongintEdit& feld);
// Brought into range, and written back when the text does not show the number used (an emptied
// field shows the 0 or the smallest value it stands for), so the window shows what it computed.
qint32 verwendeterWert(TlongintEdit& feld);
qint32 imBereich(Tspineditin& feld);
long double imBereich(TSpinEditex& feld);
// The value a computation may use right now without touching the field: the field's value
// clamped to its range.
qint32 begrenzterWert(const Tspineditin& feld);
// Exchanged range limits: the two fields swap their values. True when they did.
bool grenzenOrdnen(TSpinEditex& kleinster, TSpinEditex& groesster);

} // namespace felder
} // namespace zol
