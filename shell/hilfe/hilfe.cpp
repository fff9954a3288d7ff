#include "shell/hilfe/hilfe.h"

#include "shell/dienste/programmhaken.h"
#include "shell/hilfe/hilfefenster.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>

#include <algorithm>

namespace zol {

namespace {

QPointer<Thilfefenster>& fenster() {
    static QPointer<Thilfefenster> f;
    return f;
}

// A first size that leaves room for the window that asked for help.
void platzieren(Thilfefenster& hilfe, QWidget* eltern) {
    const QScreen* schirm = eltern ? eltern->screen() : QGuiApplication::primaryScreen();
    if (schirm == nullptr) return;
    const QRect frei = schirm->availableGeometry();
    const int zeichen = hilfe.fontMetrics().averageCharWidth();
    const int breite =
        std::min(frei.width() * 9 / 10, std::max(zeichen * 120, frei.width() * 3 / 5));
    const int hoehe = std::min(frei.height() * 9 / 10, std::max(frei.height() * 17 / 20, 480));
    hilfe.resize(breite, hoehe);
    hilfe.move(frei.left() + (frei.width() - breite) / 2, frei.top() + (frei.height() - hoehe) / 2);
}

} // namespace

Thilfefenster* hilfefenster() {
    return fenster();
}

Thilfefenster& hilfe_oeffnen(int kontext, QWidget* eltern) {
    // Windows outside a running modal dialog do not take input, so while one runs the help
    // window belongs to it; otherwise it stands on its own.
    QWidget* traeger = QApplication::activeModalWidget();
    QPointer<Thilfefenster>& f = fenster();
    if (f.isNull()) {
        f = new Thilfefenster(traeger);
        platzieren(*f, eltern ? eltern : traeger);
        // Freed when the program ends, unless a dialog that owned it has done so.
        static bool abgemeldet = false;
        if (!abgemeldet) {
            abgemeldet = true;
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete fenster().data(); });
        }
    } else if (f->parentWidget() != traeger) {
        const QRect lage = f->geometry();
        f->setParent(traeger, f->windowFlags());
        f->setGeometry(lage);
    }
    f->zeigeKontext(kontext);
    if (f->isMinimized())
        f->showNormal();
    else
        f->show();
    f->raise();
    f->activateWindow();
    f->browser()->setFocus();
    return *f;
}

void hilfe_einrichten() {
    setze_hilfeanzeige([](int kontext, QWidget* eltern) { hilfe_oeffnen(kontext, eltern); });
}

} // namespace zol
