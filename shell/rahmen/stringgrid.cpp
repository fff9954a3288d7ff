#include "shell/rahmen/stringgrid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace zol {

namespace {

// "n. d." or a text that starts like a number ("-1,5", ",5", "3/4", "2,0E-3") and holds no
// blank ("1. Nullstelle" is a text). Asked only for cells being painted, so a grid of 100 000
// rows costs nothing until it is looked at.
bool liest_sich_als_zahl(const QString& text) {
    if (text == QLatin1String("n. d.")) return true;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) ++i;
    if (i < text.size() && (text[i] == QLatin1Char(',') || text[i] == QLatin1Char('.'))) ++i;
    if (i >= text.size() || !text[i].isDigit()) return false;
    for (const QChar z : text)
        if (z.isSpace()) return false;
    return true;
}

// A cell that shows numbers right-aligned unless it is fixed (a header: not selectable) or its
// alignment was set on purpose.
class Gitterzelle : public QTableWidgetItem {
public:
    Gitterzelle() : QTableWidgetItem(UserType) {}
    QTableWidgetItem* clone() const override { return new Gitterzelle(*this); }
    QVariant data(int rolle) const override {
        QVariant wert = QTableWidgetItem::data(rolle);
        if (rolle == Qt::TextAlignmentRole && !wert.isValid() && (flags() & Qt::ItemIsSelectable) &&
            liest_sich_als_zahl(text()))
            return QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
        return wert;
    }
};

} // namespace

TStringGrid::TStringGrid(QWidget* eltern) : QTableWidget(5, 5, eltern) {
    setItemPrototype(new Gitterzelle); // also for cells the user types into
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setDefaultColWidth(64);
    setDefaultRowHeight(24);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setMouseTracking(true); // the sizing cursor over the fixed cells' borders
    fixierteZellenGestalten();
}

namespace {
constexpr int randbreite = 3; // pixels either side of a border that grab it
constexpr int kleinste_groesse = 4;
} // namespace

bool TStringGrid::amRand(bool vor) const {
    const QModelIndex jetzt = currentIndex();
    if (!jetzt.isValid()) return true;
    if (vor) return jetzt.row() == rowCount() - 1 && jetzt.column() == colCount() - 1;
    return jetzt.row() <= fixedRows_ && jetzt.column() <= fixedCols_;
}

bool TStringGrid::focusNextPrevChild(bool vor) {
    if (tabKeyNavigation() && amRand(vor)) return QWidget::focusNextPrevChild(vor);
    return QTableWidget::focusNextPrevChild(vor);
}

void TStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) {
    const bool vor = hinweis == QAbstractItemDelegate::EditNextItem;
    if ((vor || hinweis == QAbstractItemDelegate::EditPreviousItem) && amRand(vor)) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
        QWidget::focusNextPrevChild(vor);
        return;
    }
    QTableWidget::closeEditor(editor, hinweis);
}

TStringGrid::Randtreffer TStringGrid::randBei(const QPoint& stelle) const {
    Randtreffer t;
    const int zeile = rowAt(stelle.y());
    const int spalte = columnAt(stelle.x());
    if (zeile >= 0 && zeile < fixedRows_ && spalte >= 0) {
        const int links = columnViewportPosition(spalte);
        const int rechts = links + columnWidth(spalte);
        if (std::abs(stelle.x() - rechts) <= randbreite)
            t = {Rand::spalte, spalte};
        else if (spalte > 0 && std::abs(stelle.x() - links) <= randbreite)
            t = {Rand::spalte, spalte - 1};
    } else if (spalte >= 0 && spalte < fixedCols_ && zeile >= 0) {
        const int oben = rowViewportPosition(zeile);
        const int unten = oben + rowHeight(zeile);
        if (std::abs(stelle.y() - unten) <= randbreite)
            t = {Rand::zeile, zeile};
        else if (zeile > 0 && std::abs(stelle.y() - oben) <= randbreite)
            t = {Rand::zeile, zeile - 1};
    }
    return t;
}

bool TStringGrid::viewportEvent(QEvent* ereignis) {
    const QEvent::Type typ = ereignis->type();
    if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseMove &&
        typ != QEvent::MouseButtonRelease)
        return QTableWidget::viewportEvent(ereignis);
    auto* maus = static_cast<QMouseEvent*>(ereignis);
    const QPoint stelle = maus->position().toPoint();
    if (ziehen_.art != Rand::keiner) {
        const bool spalte = ziehen_.art == Rand::spalte;
        const int groesse = std::max(
            kleinste_groesse, ziehGroesse_ + (spalte ? stelle.x() : stelle.y()) - ziehAnfang_);
        if (spalte)
            setColumnWidth(ziehen_.index, groesse);
        else
            setRowHeight(ziehen_.index, groesse);
        if (typ == QEvent::MouseButtonRelease) ziehen_ = {};
        return true;
    }
    const Randtreffer treffer = randBei(stelle);
    if (typ == QEvent::MouseButtonPress && maus->button() == Qt::LeftButton &&
        treffer.art != Rand::keiner) {
        ziehen_ = treffer;
        const bool spalte = treffer.art == Rand::spalte;
        ziehAnfang_ = spalte ? stelle.x() : stelle.y();
        ziehGroesse_ = spalte ? columnWidth(treffer.index) : rowHeight(treffer.index);
        return true;
    }
    if (typ == QEvent::MouseMove) {
        if (treffer.art == Rand::spalte)
            viewport()->setCursor(Qt::SplitHCursor);
        else if (treffer.art == Rand::zeile)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
    }
    return QTableWidget::viewportEvent(ereignis);
}

void TStringGrid::setColCount(int n) {
    setColumnCount(std::max(n, 1));
    fixierteZellenGestalten();
}

void TStringGrid::setRowCount(int n) {
    QTableWidget::setRowCount(std::max(n, 1));
    fixierteZellenGestalten();
}

void TStringGrid::setFixedCols(int n) {
    fixedCols_ = std::max(n, 0);
    fixierteZellenGestalten();
}

void TStringGrid::setFixedRows(int n) {
    fixedRows_ = std::max(n, 0);
    fixierteZellenGestalten();
}

void TStringGrid::setDefaultColWidth(int breite) {
    horizontalHeader()->setDefaultSectionSize(breite);
}

void TStringGrid::setDefaultRowHeight(int hoehe) {
    verticalHeader()->setMinimumSectionSize(std::min(hoehe, 8));
    verticalHeader()->setDefaultSectionSize(hoehe);
}

QString TStringGrid::cell(int spalte, int zeile) const {
    const QTableWidgetItem* z = item(zeile, spalte);
    return z ? z->text() : QString();
}

void TStringGrid::setCell(int spalte, int zeile, const QString& text) {
    if (spalte < 0 || zeile < 0 || spalte >= columnCount() || zeile >= rowCount()) return;
    QTableWidgetItem* z = item(zeile, spalte);
    if (z == nullptr) {
        if (text.isEmpty()) return;
        z = new Gitterzelle;
        setItem(zeile, spalte, z);
        if (zeile < fixedRows_ || spalte < fixedCols_) {
            z->setFlags(Qt::ItemIsEnabled);
            z->setBackground(palette().button());
        }
    }
    z->setText(text);
}

// Fixed cells look like headers and cannot be edited or selected. Only cells whose state is
// wrong are touched: setting flags on every item of a large grid after each resize is slow.
void TStringGrid::fixierteZellenGestalten() {
    const Qt::ItemFlags fest_flags = Qt::ItemIsEnabled;
    const Qt::ItemFlags frei_flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            const bool fest = r < fixedRows_ || c < fixedCols_;
            QTableWidgetItem* z = item(r, c);
            if (z == nullptr) {
                if (!fest) continue;
                z = new Gitterzelle;
                setItem(r, c, z);
            }
            const Qt::ItemFlags soll = fest ? fest_flags : frei_flags;
            if (z->flags() != soll) {
                z->setFlags(soll);
                z->setBackground(fest ? palette().button() : palette().base());
            }
        }
    }
}

QRect TStringGrid::auswahl() const {
    const QList<QTableWidgetSelectionRange> bereiche = selectedRanges();
    if (!bereiche.isEmpty()) {
        const QTableWidgetSelectionRange& b = bereiche.first();
        return QRect(QPoint(b.leftColumn(), b.topRow()), QPoint(b.rightColumn(), b.bottomRow()));
    }
    const int c = std::max(currentColumn(), fixedCols_);
    const int r = std::max(currentRow(), fixedRows_);
    return QRect(c, r, 1, 1);
}

void TStringGrid::setAuswahl(const QRect& rechteck) {
    clearSelection();
    setCurrentCell(rechteck.top(), rechteck.left(), QItemSelectionModel::NoUpdate);
    setRangeSelected(QTableWidgetSelectionRange(rechteck.top(), rechteck.left(), rechteck.bottom(),
                                                rechteck.right()),
                     true);
}

QString TStringGrid::alsText(const QRect& rechteck) const {
    QString text;
    for (int r = rechteck.top(); r <= rechteck.bottom(); ++r) {
        for (int c = rechteck.left(); c <= rechteck.right(); ++c) {
            if (c > rechteck.left()) text += QLatin1Char('\t');
            text += cell(c, r);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

void TStringGrid::textEinfuegen(const QString& text, int links, int oben, bool wachsen) {
    QStringList zeilen = text.split(QStringLiteral("\n"));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty()) zeilen.removeLast();
    for (int i = 0; i < zeilen.size(); ++i) {
        QString zeile = zeilen[i];
        if (zeile.endsWith(QLatin1Char('\r'))) zeile.chop(1);
        const QStringList felder = zeile.split(QLatin1Char('\t'));
        const int r = oben + i;
        if (wachsen && r >= rowCount()) setRowCount(r + 1);
        if (r >= rowCount()) break;
        for (int j = 0; j < felder.size(); ++j) {
            const int c = links + j;
            if (wachsen && c >= colCount()) setColCount(c + 1);
            if (c >= colCount()) break;
            setCell(c, r, felder[j]);
        }
    }
}

void TStringGrid::auswahlLeeren() {
    const QRect a = auswahl();
    for (int r = a.top(); r <= a.bottom(); ++r)
        for (int c = a.left(); c <= a.right(); ++c)
            setCell(c, r, QString());
}

void TStringGrid::allesAuswaehlen() {
    if (colCount() <= fixedCols_ || rowCount() <= fixedRows_) return;
    setAuswahl(QRect(QPoint(fixedCols_, fixedRows_), QPoint(colCount() - 1, rowCount() - 1)));
}

} // namespace zol
