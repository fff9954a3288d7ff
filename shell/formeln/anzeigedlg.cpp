#include "shell/formeln/anzeigedlg.h"

#include "shell/formeln/dialogformel.h"
#include "shell/formeln/formelbaum.h"
#include "shell/formeln/formelhilfen.h"

#include <QAction>
#include <QEvent>
#include <QListWidget>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zol {

Tanzeigedlg& Tanzeigedlg::instanz() {
    return einzelstueck<Tanzeigedlg>();
}

Tanzeigedlg::Tanzeigedlg(QWidget* eltern) : QWidget(eltern, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("anzeigedlg"));
    setWindowTitle(QStringLiteral("Projektformeln anzeigen"));

    auto* leiste = new QToolBar;
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    leiste->setIconSize(QSize(16, 16));
    QAction* aktualisieren =
        leiste->addAction(style()->standardIcon(QStyle::SP_BrowserReload), QString());
    aktualisieren->setObjectName(QStringLiteral("Aktualisieren"));
    aktualisieren->setToolTip(QStringLiteral("Funktionsliste aktualisieren"));
    QAction* bearbeiten =
        leiste->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), QString());
    bearbeiten->setObjectName(QStringLiteral("Bearbeiten"));
    bearbeiten->setToolTip(QStringLiteral("Funktionen bearbeiten"));
    leiste->widgetForAction(aktualisieren)->setObjectName(QStringLiteral("SpeedButton1"));
    leiste->widgetForAction(bearbeiten)->setObjectName(QStringLiteral("SpeedButton2"));
    connect(aktualisieren, &QAction::triggered, this, &Tanzeigedlg::aktualisieren);
    connect(bearbeiten, &QAction::triggered, this, &Tanzeigedlg::BearbeitenClick);

    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);
    haupt->addWidget(leiste);
    haupt->addWidget(ListBox1, 1);
    resize(260, 300);
}

void Tanzeigedlg::aktualisieren() {
    liste_fuellen(ListBox1, formelliste(formelbaum()));
}

void Tanzeigedlg::BearbeitenClick() {
    Tdialogformel& editor = Tdialogformel::instanz();
    if (!editor.isVisible()) editor.exec();
    aktualisieren();
}

void Tanzeigedlg::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    aktualisieren();
}

void Tanzeigedlg::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow()) aktualisieren();
}

} // namespace zol
