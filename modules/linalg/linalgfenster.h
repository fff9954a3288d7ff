#pragma once
// Pieces the linear algebra windows share: the raised caption over a grid, the headers
// "x1" … "xn", and writing a block of result texts into a grid.
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QLabel;
class QWidget;

namespace zol {

class TStringGrid;

QLabel* kopfteil(const QString& text, QWidget* eltern);
// "x1" … "xn", and "b" after them when mit_b.
QStringList unbekanntenkoepfe(int n, bool mit_b);
// texte[r][c] into the grid's cell (c + 1, r + 1), below the fixed row and column.
void texteSchreiben(TStringGrid& gitter, const std::vector<std::vector<std::string>>& texte);

} // namespace zol
