#pragma once
// Builders for the input controls of topic windows, so every window makes its range fields,
// integer fields, decimal fields and check boxes alike.
#include <QString>

class QCheckBox;
class QWidget;

namespace zol {

class TextendEdit;
class TlongintEdit;
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

// Reading a field never clamps. Before a computation uses a constant, a typed value outside the
// field's range (which could divide by zero or take ages) is brought into range where the user
// sees it; the result is the value then in the field.
long double imBereich(TextendEdit& feld);
qint32 imBereich(TlongintEdit& feld);
// Exchanged range limits: the two fields swap their values. True when they did.
bool grenzenOrdnen(TSpinEditex& kleinster, TSpinEditex& groesster);

} // namespace felder
} // namespace zol
