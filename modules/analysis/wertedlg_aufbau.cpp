// Layout of the value table window: the notebook with the pages "Funktion" and "Konstante"
// above the grid, the frame's menus and tool bar, and the grid's context menu.
#include "modules/analysis/funktionseingabe.h"
#include "modules/analysis/wertedlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

constexpr int zahlbreite = 96;

TSpinEditex* bereichsfeld(const char* name, long double wert, QWidget* eltern) {
    auto* f = new TSpinEditex(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinValue(-1e60L);
    f->setMaxValue(1e60L);
    f->setIncrement(1);
    f->setValue(wert);
    f->setMinimumWidth(zahlbreite);
    return f;
}

QCheckBox* kaestchen(const char* name, const QString& text, bool an, QWidget* eltern) {
    auto* k = new QCheckBox(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setChecked(an);
    return k;
}

} // namespace

Twertedlg::Twertedlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Twertedlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(640, 520);
}

void Twertedlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(2, 2, 2, 2);

    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seiteFunktion(), QStringLiteral("Funktion"));
    TabbedNotebook1->addTab(seiteKonstante(), QStringLiteral("Konstante"));
    lage->addWidget(TabbedNotebook1);

    StringGrid1 = new TStringGrid(mitte);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setDefaultColWidth(100);
    StringGrid1->setDefaultRowHeight(24);
    StringGrid1->setRowCount(2); // a grid always has a row below its fixed one
    StringGrid1->setColCount(2);
    StringGrid1->setColumnWidth(0, 60);
    StringGrid1->setCell(1, 0, QStringLiteral("x"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, &Twertedlg::kontextmenue);
    lage->addWidget(StringGrid1, 1);
    setCentralWidget(mitte);

    // The order of the data file. The grid goes last: plot windows read the table of a ".wer"
    // file from its block.
    for (QWidget* w : std::initializer_list<QWidget*>{TabbedNotebook1, Edit1, xmin, xmax, xskala,
                                                      artfunktion, art1ableitung, art2ableitung,
                                                      artintegral, deltah, simpson, StringGrid1})
        komponente(w);
}

QWidget* Twertedlg::seiteFunktion() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);

    auto* zeile = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("f(x)=x^2-4"), seite);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Funktionein = projektformelKnopf(Edit1, seite);
    zeile->addWidget(Edit1, 1);
    zeile->addWidget(Funktionein);
    lage->addLayout(zeile);

    auto* gruppen = new QHBoxLayout;
    auto* bereich = new QGroupBox(QStringLiteral("Bereich für Variable"), seite);
    auto* bl = new QFormLayout(bereich);
    xmin = bereichsfeld("xmin", -3, bereich);
    xmax = bereichsfeld("xmax", 3, bereich);
    xskala = bereichsfeld("xskala", 1, bereich);
    bl->addRow(QStringLiteral("kleinster Wert:"), xmin);
    bl->addRow(QStringLiteral("größter Wert:"), xmax);
    bl->addRow(QStringLiteral("Schrittweite:"), xskala);
    gruppen->addWidget(bereich);

    auto* arten = new QGroupBox(QStringLiteral("Tabellenart:"), seite);
    auto* al = new QVBoxLayout(arten);
    artfunktion = kaestchen("artfunktion", QStringLiteral("Funktion"), true, arten);
    art1ableitung = kaestchen("art1ableitung", QStringLiteral("1.Ableitung"), false, arten);
    art2ableitung = kaestchen("art2ableitung", QStringLiteral("2. Ableitung"), false, arten);
    artintegral = kaestchen("artintegral", QStringLiteral("Integral"), false, arten);
    for (QCheckBox* k : {artfunktion, art1ableitung, art2ableitung, artintegral})
        al->addWidget(k);
    gruppen->addWidget(arten);
    gruppen->addStretch(1);
    lage->addLayout(gruppen);
    return seite;
}

QWidget* Twertedlg::seiteKonstante() {
    auto* seite = new QWidget;
    auto* lage = new QFormLayout(seite);
    deltah = new TextendEdit(seite);
    deltah->setObjectName(QStringLiteral("deltah"));
    deltah->setMinValue(1e-30L);
    deltah->setMaxValue(1e60L);
    // The picture stays switched off, so the window's number format never rounds h away.
    deltah->setFormatstr(QStringLiteral("0.0e-0"));
    deltah->setValue(0.01L);
    deltah->setMaximumWidth(zahlbreite);
    simpson = new TlongintEdit(seite);
    simpson->setObjectName(QStringLiteral("simpson"));
    simpson->setMinValue(1);
    simpson->setMaxValue(1000);
    simpson->setValue(20);
    simpson->setMaximumWidth(zahlbreite);
    lage->addRow(QStringLiteral("h für Ableitung:"), deltah);
    lage->addRow(QStringLiteral("Simpson-Konstante:"), simpson);
    return seite;
}

// The five clipboard commands of the "Bearbeiten" menu, applied to the grid.
void Twertedlg::kontextmenue(const QPoint& stelle) {
    QMenu menue(this);
    for (Befehl b : {Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen, Befehl::loeschen,
                     Befehl::alles_auswaehlen}) {
        QAction* vorbild = aktion(b);
        QAction* a = menue.addAction(vorbild->icon(), vorbild->text());
        connect(a, &QAction::triggered, this, [this, b] { zwischenablage(b, StringGrid1); });
    }
    menue.exec(StringGrid1->viewport()->mapToGlobal(stelle));
}

} // namespace zol
