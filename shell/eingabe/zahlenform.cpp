#include "shell/eingabe/zahlenform.h"

#include "shell/dienste/programmhaken.h"

#include "engine/zahlformat.h"
#include "engine/zahlwert.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zol {

namespace {

const QStringList bilder = {"0.0",       "0.00",          "0.000",      "0.0000",
                            "0.000000",  "0.0E-0",        "0.00E-0",    "0.000E-0",
                            "0.000E-00", "0.0000000E-00", "##0.######", "##0.#########E-00"};

const QStringList beispiele = {"123,78676", "23434,353453", "1e-6",      "0,0000004",
                               "-34,56744", "1000000",      "1,00000034"};

// Lists that only show something are grey, as the dialog's background.
QListWidget* anzeigeliste(const QString& name, QWidget* eltern) {
    auto* liste = new QListWidget(eltern);
    liste->setObjectName(name);
    liste->setSelectionMode(QAbstractItemView::NoSelection);
    liste->setFocusPolicy(Qt::NoFocus);
    QPalette p = liste->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    liste->setPalette(p);
    return liste;
}

// Height of a list that shows zeilen rows without scrolling.
int listenhoehe(const QListWidget* liste, int zeilen) {
    const int zeile =
        liste->sizeHintForRow(0) > 0 ? liste->sizeHintForRow(0) : liste->fontMetrics().height() + 2;
    return zeilen * zeile + 2 * liste->frameWidth() + 2;
}

} // namespace

Tzahlenform& Tzahlenform::instanz() {
    static QPointer<Tzahlenform> dialog;
    if (!dialog) {
        dialog = new Tzahlenform;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete dialog; });
    }
    return *dialog;
}

Tzahlenform::Tzahlenform(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Zahlenformat"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto* waehlen = new QLabel(QStringLiteral("Formatierung wählen:"), this);
    FormatEdit = new QLineEdit(QStringLiteral("0.000"), this);
    FormatEdit->setObjectName(QStringLiteral("FormatEdit"));
    waehlen->setBuddy(FormatEdit);
    FormatListe = new QListWidget(this);
    FormatListe->setObjectName(QStringLiteral("FormatListe"));
    FormatListe->addItems(bilder);
    FormatListe->setFixedHeight(listenhoehe(FormatListe, 6));

    auto* beispieltext =
        new QLabel(QStringLiteral("Beispiele: Unformatiert ------------  Formatiert"), this);
    Unform = anzeigeliste(QStringLiteral("Unform"), this);
    Unform->addItems(beispiele);
    Form = anzeigeliste(QStringLiteral("Form"), this);
    for (QListWidget* liste : {Unform, Form})
        liste->setFixedSize(150, listenhoehe(Unform, static_cast<int>(beispiele.size())));

    Winkelgruppe = new QGroupBox(QStringLiteral("Winkelberechnungen "), this);
    Winkelgruppe->setObjectName(QStringLiteral("Winkelgruppe"));
    Bogenmass = new QRadioButton(QStringLiteral("Bogenmaß "), Winkelgruppe);
    Grad = new QRadioButton(QStringLiteral("Grad (360°)"), Winkelgruppe);
    Neugrad = new QRadioButton(QStringLiteral("Neugrad (400°)"), Winkelgruppe);
    Bogenmass->setChecked(true);
    auto* winkel = new QVBoxLayout(Winkelgruppe);
    int modus = 1;
    for (QRadioButton* knopf : {Bogenmass, Grad, Neugrad}) {
        winkel->addWidget(knopf);
        connect(knopf, &QRadioButton::toggled, this, [this, modus](bool an) {
            if (an) winkelmodus_neu = modus;
        });
        ++modus;
    }
    Winkelgruppe->setEnabled(false);
    Winkelgruppe->hide();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setObjectName(QStringLiteral("AbbrechenButton"));
    AbbrechenButton->setAutoDefault(false);
    HilfeButton = new QPushButton(QStringLiteral("Hilfe"), this);
    HilfeButton->setObjectName(QStringLiteral("HilfeButton"));
    HilfeButton->setAutoDefault(false);

    // The picture field and its list read as one control.
    auto* feld = new QVBoxLayout;
    feld->setSpacing(0);
    feld->addWidget(FormatEdit);
    feld->addWidget(FormatListe);
    auto* listen = new QHBoxLayout;
    listen->addWidget(Unform);
    listen->addWidget(Form);
    listen->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbrechenButton);
    knoepfe->addWidget(HilfeButton);

    auto* haupt = new QVBoxLayout(this);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
    haupt->addWidget(waehlen);
    haupt->addLayout(feld);
    haupt->addSpacing(6);
    haupt->addWidget(beispieltext);
    haupt->addLayout(listen);
    haupt->addWidget(Winkelgruppe);
    haupt->addSpacing(6);
    haupt->addLayout(knoepfe);

    connect(FormatEdit, &QLineEdit::textChanged, this, &Tzahlenform::vorschau);
    connect(FormatListe, &QListWidget::itemClicked, this, &Tzahlenform::liste_gewaehlt);
    connect(FormatListe, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* eintrag) { liste_gewaehlt(eintrag); });
    connect(OKButton, &QPushButton::clicked, this, &Tzahlenform::bestaetigen);
    connect(AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HilfeButton, &QPushButton::clicked, this,
            [this] {
                emit hilfeAngefordert(hilfekontext_zahlenformat);
                hilfe_anzeigen(hilfekontext_zahlenformat, this);
            });
    vorschau();
}

void Tzahlenform::vorschau() {
    // Keep the list's highlight on the entry that matches the typed picture.
    {
        const QSignalBlocker sperre(FormatListe);
        const auto treffer = FormatListe->findItems(FormatEdit->text(), Qt::MatchExactly);
        FormatListe->setCurrentItem(treffer.isEmpty() ? nullptr : treffer.first());
    }
    Form->clear();
    const std::string bild = FormatEdit->text().toStdString();
    for (int i = 0; i < Unform->count(); ++i) {
        long double wert = 0;
        const QByteArray beispiel = Unform->item(i)->text().toUtf8();
        if (!zahlwert(std::string_view(beispiel.constData(), beispiel.size()), wert)) break;
        Form->addItem(QString::fromStdString(zol::format(bild, wert)));
    }
}

void Tzahlenform::liste_gewaehlt(QListWidgetItem* eintrag) {
    if (eintrag) FormatEdit->setText(eintrag->text());
}

void Tzahlenform::bestaetigen() {
    format = FormatEdit->text();
    winkelmodus = winkelmodus_neu;
    accept();
}

void Tzahlenform::showEvent(QShowEvent* e) {
    FormatEdit->setText(format);
    FormatEdit->selectAll();
    FormatEdit->setFocus();
    // Centred on the screen of the window that asked for the dialog.
    const QWidget* aktiv = QApplication::activeWindow();
    const QScreen* schirm = schirm_                  ? schirm_.data()
                            : aktiv && aktiv != this ? aktiv->screen()
                                                     : screen();
    schirm_ = nullptr;
    if (schirm) move(schirm->availableGeometry().center() - rect().center());
    QDialog::showEvent(e);
}

bool zahlenformat_waehlen(QString& format, QWidget* eltern) {
    Tzahlenform& dialog = Tzahlenform::instanz();
    if (eltern) dialog.schirm_ = eltern->screen();
    dialog.format = format;
    if (dialog.exec() != QDialog::Accepted) return false;
    format = dialog.format;
    return true;
}

} // namespace zol
