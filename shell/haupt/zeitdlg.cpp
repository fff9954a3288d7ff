#include "shell/haupt/zeitdlg.h"

#include "shell/eingabe/zahleingaben.h"
#include "shell/haupt/mainform.h"
#include "shell/haupt/vorlagenliste.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zol {

Tzeitdlg::Tzeitdlg(TMainForm& haupt)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint), haupt_(haupt) {
    setObjectName(QStringLiteral("Zeitdlg"));
    setWindowTitle(QStringLiteral("Demo"));
    auto* layout = new QVBoxLayout(this);
    Notebook1 = new QStackedWidget;
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    layout->addWidget(Notebook1);

    // Page one: the interval.
    auto* eins = new QWidget;
    auto* einsLayout = new QVBoxLayout(eins);
    einsLayout->addWidget(new QLabel(QStringLiteral("Laden der Vorlagen.")));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Intervall in Sekunden:")));
    SpinEdit1 = new Tspineditin;
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setMinValue(1);
    SpinEdit1->setMaxValue(600);
    SpinEdit1->setValue(10);
    SpinEdit1->setMinimumWidth(70);
    zeile->addWidget(SpinEdit1);
    zeile->addStretch();
    einsLayout->addLayout(zeile);
    auto* themenzeile = new QHBoxLayout;
    themenzeile->addWidget(new QLabel(QStringLiteral("Thema:")));
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    themenzeile->addWidget(ComboBox1, 1);
    einsLayout->addLayout(themenzeile);
    auto* starten = new QPushButton(QStringLiteral("Demo starten"));
    starten->setObjectName(QStringLiteral("Starten"));
    connect(starten, &QPushButton::clicked, this, [this] { this->starten(); });
    einsLayout->addWidget(starten);
    einsLayout->addStretch();
    Notebook1->addWidget(eins);

    // Page two: the gauge, the note and "Pause".
    auto* zwei = new QWidget;
    auto* zweiLayout = new QVBoxLayout(zwei);
    Gauge1 = new QProgressBar;
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    Gauge1->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #808080; "
                                         "text-align: center; background: white; }"
                                         "QProgressBar::chunk { background-color: #d00000; }"));
    zweiLayout->addWidget(Gauge1);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral("Bitte warten! Die Vorlage jetzt \n"
                                       "nicht bearbeiten. Klicken Sie auf\n"
                                       "Abbruch, um weiterzuarbeiten."));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics masse(Memo1->font());
    Memo1->setFixedHeight(masse.lineSpacing() * 3 + 12);
    Memo1->setMinimumWidth(
        masse.horizontalAdvance(QStringLiteral("nicht bearbeiten. Klicken Sie auf")) + 20);
    zweiLayout->addWidget(Memo1);
    Pause = new QPushButton(QStringLiteral("Pause"));
    Pause->setObjectName(QStringLiteral("Pause"));
    connect(Pause, &QPushButton::clicked, this, [this] { pauseWechseln(); });
    zweiLayout->addWidget(Pause);
    Notebook1->addWidget(zwei);

    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"));
    abbruch->setObjectName(QStringLiteral("Abbruch"));
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(abbruch);
    layout->addLayout(unten);

    connect(&zeitgeber_, &QTimer::timeout, this, [this] { takt(); });
    seiteZeigen(0);
}

int Tzeitdlg::seite() const {
    return Notebook1->currentIndex();
}

// Each page takes only the room it needs, so page one is not as tall as page two.
void Tzeitdlg::seiteZeigen(int seite) {
    // The lower right corner stays where it is, so the dialog does not grow off the screen.
    const QPoint ecke = frameGeometry().bottomRight();
    for (int i = 0; i < Notebook1->count(); ++i)
        Notebook1->widget(i)->setSizePolicy(
            i == seite ? QSizePolicy::Preferred : QSizePolicy::Ignored,
            i == seite ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    Notebook1->setCurrentIndex(seite);
    if (seite == 0) themenFuellen();
    adjustSize();
    if (platziert_) move(pos() + ecke - frameGeometry().bottomRight());
}

void Tzeitdlg::themenFuellen() {
    const QString vorher = ComboBox1->currentText();
    ComboBox1->clear();
    ComboBox1->addItem(QStringLiteral("Alle Vorlagen"));
    const QTreeWidget* baum = haupt_.gliederung();
    for (int i = 0; i < baum->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* oben = baum->topLevelItem(i);
        if (oben->childCount() > 0) ComboBox1->addItem(oben->text(0));
    }
    ComboBox1->setCurrentIndex(std::max(ComboBox1->findText(vorher), 0));
}

QList<int> Tzeitdlg::themenvorlagen() const {
    QList<int> zeilen;
    if (ComboBox1->currentIndex() <= 0) return zeilen;
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(haupt_.gliederung());
    for (int i = 0; i < eintraege.size(); ++i) {
        const QTreeWidgetItem* oben = eintraege[i];
        while (oben->parent())
            oben = oben->parent();
        if (oben != eintraege[i] && oben->text(0) == ComboBox1->currentText() &&
            !vorlagenname(eintraege[i]->text(0)).isEmpty())
            zeilen << i;
    }
    return zeilen;
}

int Tzeitdlg::aktuelleZeile() const {
    return static_cast<int>(
        gliederung_eintraege(haupt_.gliederung()).indexOf(haupt_.gliederung()->currentItem()));
}

void Tzeitdlg::starten() {
    const int sekunden = std::clamp(SpinEdit1->Value(), 1, 600);
    SpinEdit1->setValue(sekunden);
    reihe_ = themenvorlagen();
    seiteZeigen(1);
    schritt_ = 0;
    Gauge1->setValue(0);
    Pause->setText(QStringLiteral("Pause"));
    show();
    // A subject starts at its template selected in the outline, else at its first one.
    if (!reihe_.isEmpty()) {
        haupt_.gliederung()->expandAll();
        const int jetzt = aktuelleZeile();
        haupt_.vorlageWaehlen(reihe_.contains(jetzt) ? jetzt : reihe_.first());
    }
    haupt_.vorlageOeffnen();
    zeitgeber_.start(sekunden * 100);
    raise();
}

void Tzeitdlg::takt() {
    ++schritt_;
    Gauge1->setValue(std::min(schritt_ * 10, 100));
    if (schritt_ < 10) return;
    if (reihe_.isEmpty()) {
        haupt_.naechsteVorlage();
    } else {
        haupt_.gliederung()->expandAll();
        const auto stelle = reihe_.indexOf(aktuelleZeile());
        haupt_.vorlageWaehlen(reihe_[stelle < 0 ? 0 : (stelle + 1) % reihe_.size()]);
        haupt_.vorlageOeffnen();
    }
    raise();
    schritt_ = 0;
    Gauge1->setValue(0);
}

void Tzeitdlg::pauseWechseln() {
    if (zeitgeber_.isActive()) {
        zeitgeber_.stop();
        Pause->setText(QStringLiteral("Weiter"));
    } else {
        zeitgeber_.start();
        Pause->setText(QStringLiteral("Pause"));
    }
}

void Tzeitdlg::anhalten() {
    zeitgeber_.stop();
    schritt_ = 0;
    Gauge1->setValue(0);
    Pause->setText(QStringLiteral("Pause"));
    seiteZeigen(0);
}

// The first time, the dialog goes to the lower right corner, away from the templates' windows.
void Tzeitdlg::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (seite() == 0) themenFuellen(); // the outline may have changed since
    if (platziert_) return;
    platziert_ = true;
    if (const QScreen* schirm = screen()) {
        const QRect frei = schirm->availableGeometry();
        move(frei.right() - frameGeometry().width() - 20,
             frei.bottom() - frameGeometry().height() - 40);
    }
}

void Tzeitdlg::hideEvent(QHideEvent* ereignis) {
    QDialog::hideEvent(ereignis);
    if (!ereignis->spontaneous()) anhalten();
}

} // namespace zol
