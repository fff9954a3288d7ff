#include "shell/grafik/ttxtshape.h"

#include "graph/textmalen.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace zol {

Ttxtshape::Ttxtshape(QWidget* eltern) : QWidget(eltern) {}

void Ttxtshape::setText(const QString& t) {
    text_ = t;
    update();
}

void Ttxtshape::setTextposx(int x) {
    textposx_ = x;
    update();
}

void Ttxtshape::setTextposy(int y) {
    textposy_ = y;
    update();
}

void Ttxtshape::setShowText(bool an) {
    show_text_ = an;
    update();
}

void Ttxtshape::setShowRahmen(bool an) {
    show_rahmen_ = an;
    update();
}

void Ttxtshape::setShape(Form f) {
    form_ = f;
    update();
}

void Ttxtshape::setPen(const QPen& p) {
    pen_ = p;
    update();
}

void Ttxtshape::setBrush(const QBrush& b) {
    brush_ = b;
    update();
}

Textsatz Ttxtshape::satz() const {
    Satzvorgaben v;
    v.dialekt = Textdialekt::textform;
    v.grundschrift = font();
    v.einheiten_je_punkt = logicalDpiY() / 72.0;
    // A font given in pixels is converted back to points for the size commands.
    v.groesse = font().pointSize() > 0
                    ? font().pointSize()
                    : std::max(1, qRound(font().pixelSize() / v.einheiten_je_punkt));
    std::vector<QString> zeilen;
    for (const QString& z : text_.split(QLatin1Char('\n')))
        zeilen.push_back(z);
    return setze_text(zeilen, QPointF(textposx_, textposy_), v);
}

// The pen is kept inside the control; squares and circles are centred.
QRectF Ttxtshape::formrechteck() const {
    const double rand = std::max(1.0, pen_.widthF()) / 2.0;
    QRectF r = QRectF(rect()).adjusted(rand, rand, -rand, -rand);
    if (form_ == sstSquare || form_ == sstRoundSquare || form_ == sstCircle) {
        const double seite = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - seite / 2, r.center().y() - seite / 2, seite, seite);
    }
    return r;
}

void Ttxtshape::male_form(QPainter& maler) const {
    maler.setPen(pen_);
    maler.setBrush(brush_);
    const QRectF r = formrechteck();
    switch (form_) {
    case sstline:
        maler.drawLine(r.topLeft(), r.bottomRight());
        break;
    case ssthor:
        maler.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        break;
    case sstver:
        maler.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        break;
    case sstRectangle:
    case sstSquare:
        maler.drawRect(r);
        break;
    case sstRoundRect:
    case sstRoundSquare: {
        const double ecke = std::min(r.width(), r.height()) / 4.0;
        maler.drawRoundedRect(r, ecke, ecke);
        break;
    }
    case sstEllipse:
    case sstCircle:
        maler.drawEllipse(r);
        break;
    }
}

void Ttxtshape::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    if (show_rahmen_) male_form(maler);
    if (show_text_) {
        QPen strich(palette().color(QPalette::WindowText));
        strich.setWidthF(1.0);
        male_textsatz(maler, satz(), palette().color(QPalette::WindowText), strich);
    }
}

} // namespace zol
