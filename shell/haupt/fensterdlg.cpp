#include "shell/haupt/fensterdlg.h"

#include "shell/haupt/knopfleiste.h"
#include "shell/haupt/mainform.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QShowEvent>

namespace zol {

Tfensterdlg::Tfensterdlg(TMainForm& haupt)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), haupt_(haupt) {
    setObjectName(QStringLiteral("Fensterdlg"));
    setWindowTitle(QStringLiteral("ZOL Mathematik"));
    setMinimumSize(knopfzelle, knopfzelle);
    resize(10 * knopfzelle, 6 * knopfzelle);
}

void Tfensterdlg::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (ereignis->spontaneous()) return;
    QWidget* leiste = haupt_.speedBar();
    if (leiste->parentWidget() != this) {
        leiste->setParent(this);
        leiste->setMinimumSize(0, 0);
        leiste->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        leiste->show();
    }
    anordnen();
    haupt_.hide();
}

void Tfensterdlg::hideEvent(QHideEvent* ereignis) {
    QWidget::hideEvent(ereignis);
    if (ereignis->spontaneous() || haupt_.beendet()) return;
    haupt_.knoepfeZurueck();
    haupt_.show();
}

void Tfensterdlg::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    anordnen();
}

void Tfensterdlg::closeEvent(QCloseEvent* ereignis) {
    ereignis->accept(); // closing hides the window; hideEvent gives the buttons back
}

// The buttons fill rows of (client width / 25) cells; the height follows the rows used.
void Tfensterdlg::anordnen() {
    QWidget* leiste = haupt_.speedBar();
    if (leiste->parentWidget() != this) return;
    zeilen_ = knoepfe_anordnen(leiste, width());
    const int hoehe = std::max(1, zeilen_) * knopfzelle;
    leiste->setGeometry(0, 0, width(), hoehe);
    if (height() != hoehe) resize(width(), hoehe);
}

} // namespace zol
