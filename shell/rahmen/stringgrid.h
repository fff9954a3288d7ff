#pragma once
// A grid of text cells whose first rows and columns are fixed (headers that are part of the grid,
// counted in its coordinates), as every result table of the program uses it. Coordinates are
// (column, row), fixed ones included.
#include <QRect>
#include <QTableWidget>

namespace zol {

class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* eltern = nullptr);

    int colCount() const { return columnCount(); }
    int rowCount() const { return QTableWidget::rowCount(); }
    void setColCount(int n);
    void setRowCount(int n);
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    void setFixedCols(int n);
    void setFixedRows(int n);
    void setDefaultColWidth(int breite);
    void setDefaultRowHeight(int hoehe);

    QString cell(int spalte, int zeile) const;
    void setCell(int spalte, int zeile, const QString& text);

    // The selected rectangle: left, top, right, bottom cells (the current cell when nothing
    // else is selected).
    QRect auswahl() const;
    void setAuswahl(const QRect& rechteck);

    // Cells of a rectangle as text: cells joined by TAB, every row ended by CR LF.
    QString alsText(const QRect& rechteck) const;
    // Writes TAB/line separated text from (links, oben) on. Cells beyond the last field of a
    // line stay as they are. With wachsen, rows and columns are added as needed; otherwise
    // what lies outside the grid is dropped.
    void textEinfuegen(const QString& text, int links, int oben, bool wachsen);
    void auswahlLeeren();
    // Selects every non-fixed cell.
    void allesAuswaehlen();

protected:
    // Tab moves from cell to cell and leaves the grid after its last cell (Shift+Tab before its
    // first input cell), also while a cell is being edited.
    bool focusNextPrevChild(bool vor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) override;
    // Dragging a border between fixed cells sizes the column or row, as the headers of
    // other tables do.
    bool viewportEvent(QEvent* ereignis) override;

private:
    // True when Tab (vor) or Shift+Tab would move past the grid's last or first input cell.
    bool amRand(bool vor) const;
    enum class Rand { keiner, spalte, zeile };
    struct Randtreffer {
        Rand art = Rand::keiner;
        int index = -1; // the column or row that ends at the border
    };
    Randtreffer randBei(const QPoint& stelle) const;
    void fixierteZellenGestalten();
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    Randtreffer ziehen_;
    int ziehAnfang_ = 0; // mouse position along the dragged direction
    int ziehGroesse_ = 0;
};

} // namespace zol
