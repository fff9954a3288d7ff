#pragma once
// A control that draws a frame shape and a formatted text (the fractions, complex numbers and
// number systems windows show results with it). The text uses the control's dialect of the
// text language: \f \z \m \r \w \c \v \u \d \h \t \S \I.
#include "graph/textsatz.h"

#include <QBrush>
#include <QPen>
#include <QWidget>

namespace zol {

class Ttxtshape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int Textposx READ textposx WRITE setTextposx)
    Q_PROPERTY(int Textposy READ textposy WRITE setTextposy)
    Q_PROPERTY(bool ShowText READ showText WRITE setShowText)
    Q_PROPERTY(bool ShowRahmen READ showRahmen WRITE setShowRahmen)
    Q_PROPERTY(Form Shape READ shape WRITE setShape)
    Q_PROPERTY(QPen Pen READ pen WRITE setPen)
    Q_PROPERTY(QBrush Brush READ brush WRITE setBrush)
    Q_PROPERTY(QFont Font READ font WRITE setFont)

public:
    enum Form {
        sstline,
        ssthor,
        sstver,
        sstRectangle,
        sstSquare,
        sstRoundRect,
        sstRoundSquare,
        sstEllipse,
        sstCircle,
    };
    Q_ENUM(Form)

    explicit Ttxtshape(QWidget* eltern = nullptr);

    QString text() const { return text_; }
    void setText(const QString& t);
    int textposx() const { return textposx_; }
    void setTextposx(int x);
    int textposy() const { return textposy_; }
    void setTextposy(int y);
    bool showText() const { return show_text_; }
    void setShowText(bool an);
    bool showRahmen() const { return show_rahmen_; }
    void setShowRahmen(bool an);
    Form shape() const { return form_; }
    void setShape(Form f);
    QPen pen() const { return pen_; }
    void setPen(const QPen& p);
    QBrush brush() const { return brush_; }
    void setBrush(const QBrush& b);

    // The text as it is drawn, in the control's pixels (y downward).
    Textsatz satz() const;
    // The frame shape's outline within the control.
    QRectF formrechteck() const;

    QSize sizeHint() const override { return {200, 60}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void male_form(QPainter& maler) const;

    QString text_;
    int textposx_ = 0;
    int textposy_ = 0;
    bool show_text_ = true;
    bool show_rahmen_ = true;
    Form form_ = sstRectangle;
    QPen pen_{Qt::black};
    QBrush brush_{Qt::white};
};

} // namespace zol
