#include "shell/zeichnen/seitendruck.h"

#include "graph/seite.h"
#include "shell/dienste/meldungsdienst.h"

#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace zol {

void seite_massstabstreu(QPainter& maler, Tlist1& liste, double dpi) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.setWorldTransform(massstabstreu(dpi), true);
    liste.zeichnealle(maler);
    maler.restore();
}

bool seite_drucken(QPrinter& drucker, Tlist1& liste, QWidget* eltern) {
    QPainter maler;
    if (!maler.begin(&drucker)) {
        meldung(QStringLiteral("Der Drucker kann nicht benutzt werden."), eltern);
        return false;
    }
    seite_massstabstreu(maler, liste, drucker.resolution());
    return maler.end();
}

QSize druckbereich_mm(const QPrinter& drucker) {
    const QRectF bereich = drucker.pageLayout().paintRect(QPageLayout::Millimeter);
    return {static_cast<int>(std::lround(bereich.width())),
            static_cast<int>(std::lround(bereich.height()))};
}

} // namespace zol
