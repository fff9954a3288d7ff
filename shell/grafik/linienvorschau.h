#pragma once
// Preview of a pen in the line style dialog, and the owner-drawn items of its two lists.
#include "graph/zeichenmittel.h"

#include <QStyledItemDelegate>
#include <QWidget>

namespace zol {

// Draws the pen with pixel widths: style 0 as a line from (0, 0) to (200, 120); styles 1 to 4
// as ten markers of 10 or 20 pixels at (20 i, 15 i), i = 1 ... 10.
void male_stiftprobe(QPainter& maler, const Tstift& stift, const QColor& pinsel);

class Tlinienvorschau : public QWidget {
    Q_OBJECT

public:
    explicit Tlinienvorschau(QWidget* eltern = nullptr);
    void setze(const Tstift& stift, const QColor& pinsel);
    QSize sizeHint() const override { return {220, 170}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Tstift stift_;
    QColor pinsel_ = Qt::white;
};

// One item per pen style: a line, a small and a large circle, a small and a large square.
class Tstildelegat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* maler, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {80, 26};
    }
};

// Item i is a line i + 1 pixels wide.
class Tbreitendelegat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* maler, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& i) const override {
        return {80, i.row() + 1 + 8};
    }
};

} // namespace zol
