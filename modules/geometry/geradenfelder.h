#pragma once
// The input pages of a line and of a parabola, one notebook page per input form, shared by the
// line, parabola and parabola–line windows. Each window chooses the order of the pages and the
// number of the first field; the fields are numbered on from there, page by page, as
// extendEdit<n>, and read through felder::imBereich.
#include "modules/geometry/parabelrechnung.h"

#include <QList>
#include <QString>

#include <initializer_list>
#include <vector>

class QTabWidget;
class QWidget;

namespace zol {

class TextendEdit;

// A number field named extendEdit<nummer> with its starting text.
TextendEdit* geometriefeld(int nummer, const char* wert, QWidget* eltern);

class Geradeneingabe {
public:
    // Fills buch with the pages in the given order; returns the number after the last field.
    int aufbauen(QTabWidget* buch, const std::vector<Geradenform>& reihenfolge, int erstes_feld);
    // The starting texts of a page's fields, in their order (see felder).
    void setzeWerte(Geradenform form, std::initializer_list<const char*> werte);
    // The form of the page shown, its fields brought into range.
    Geradenangabe vorgabe() const;
    // All fields in number order, for the data file. Per page they are x1, y1, x2, y2 (two
    // points), m, x, y (slope and point), x, y, t (intercept and point), m, t (slope and
    // intercept).
    QList<TextendEdit*> felder() const;

private:
    QTabWidget* buch_ = nullptr;
    std::vector<Geradenform> reihenfolge_;
    std::vector<std::vector<TextendEdit*>> felder_; // by page
};

class Parabeleingabe {
public:
    int aufbauen(QTabWidget* buch, const std::vector<Parabelform>& reihenfolge, int erstes_feld);
    void setzeWerte(Parabelform form, std::initializer_list<const char*> werte);
    Parabelangabe vorgabe() const;
    // Per page: x1, y1, x2, y2, x3, y3 (three points); a, x1, y1, x2, y2 (form factor and two
    // points); a, xs, ys (vertex form); a, b, c (general form); a, x1, x2 (linear factors).
    QList<TextendEdit*> felder() const;

private:
    QTabWidget* buch_ = nullptr;
    std::vector<Parabelform> reihenfolge_;
    std::vector<std::vector<TextendEdit*>> felder_;
};

} // namespace zol
