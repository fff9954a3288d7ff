// The pages "Koordinatensystem", "Beschriftung", "Text " and "Seiteeinrichten" of the plot
// window.
#include "graph/symbolschrift.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/aufbauhilfen.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/fktdatei.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

using namespace aufbau;

QWidget* Tdialogfkt::seiteKoordinaten() {
    auto* s = new QWidget;
    auto achse = [&](const QString& titel, TSpinEditex* klein, TSpinEditex* gross,
                     TSpinEditex* schritt) {
        auto* g = new QGroupBox(titel, s);
        auto* f = new QFormLayout(g);
        f->addRow(QStringLiteral("kleinster Wert"), klein);
        f->addRow(QStringLiteral("größter Wert"), gross);
        f->addRow(QStringLiteral("Schrittweite:"), schritt);
        return g;
    };
    xmin = bereichsfeld("xmin", -3, s);
    xmax = bereichsfeld("xmax", 3, s);
    xskala = bereichsfeld("xskala", 1, s);
    ymin = bereichsfeld("ymin", -3, s);
    ymax = bereichsfeld("ymax", 3, s);
    yskala = bereichsfeld("yskala", 1, s);

    auto* zoom = new QGroupBox(QStringLiteral("Zoom"), s);
    Zoom = new TSpinEditex(zoom);
    Zoom->setObjectName(QStringLiteral("Zoom"));
    Zoom->setMinValue(1);
    Zoom->setMaxValue(20);
    Zoom->setIncrement(0.1L);
    Zoom->setValue(2);
    Zoom->setMaximumWidth(zahlbreite);
    auto* zg = new QGridLayout(zoom);
    zg->addWidget(Zoom, 0, 0, Qt::AlignTop);
    struct Zoomknopf {
        const char* name;
        const char* text;
        bool x, y, vergroessern;
    };
    const Zoomknopf zoomknoepfe[] = {
        {"xyvergroessern", "x-y-Bereich vergrößern", true, true, true},
        {"xyverkleinern", "x-y-Bereich verkleinern", true, true, false},
        {"xvergroessern", "x-Bereich vergrößern", true, false, true},
        {"xverkleinern", "x-Bereich verkleinern", true, false, false},
        {"yvergroessern", "y-Bereich vergrößern", false, true, true},
        {"yverkleinern", "y-Bereich verkleinern", false, true, false},
    };
    int i = 0;
    for (const Zoomknopf& z : zoomknoepfe) {
        QPushButton* k = knopf(z.name, QString::fromUtf8(z.text), zoom);
        connect(k, &QPushButton::clicked, this,
                [this, z] { bereichZoomen(z.x, z.y, z.vergroessern); });
        zg->addWidget(k, i / 2, 1 + i % 2);
        ++i;
    }

    auto* schieben = new QGroupBox(QStringLiteral("Verschieben"), s);
    auto* sg = new QGridLayout(schieben);
    struct Schiebeknopf {
        const char* name;
        const char* text;
        int rechts, oben, zeile, spalte;
    };
    const Schiebeknopf schiebeknoepfe[] = {
        {"nachoben", "Verschieben nach oben", 0, 1, 0, 0},
        {"nachlinks", "Verschieben nach links", -1, 0, 0, 1},
        {"nachunten", "Verschieben nach unten", 0, -1, 1, 0},
        {"nachrechts", "Verschieben nach rechts", 1, 0, 1, 1},
    };
    for (const Schiebeknopf& v : schiebeknoepfe) {
        QPushButton* k = knopf(v.name, QString::fromUtf8(v.text), schieben);
        connect(k, &QPushButton::clicked, this, [this, v] { verschieben(v.rechts, v.oben); });
        sg->addWidget(k, v.zeile, v.spalte);
    }
    sg->setRowStretch(2, 1);

    auto* optionen = new QGroupBox(QStringLiteral("Optionen"), s);
    Koord = kaestchen("Koord", QStringLiteral("Koordinatenachsen"), true, optionen);
    Gitterlinie = kaestchen("Gitterlinie", QStringLiteral("Gitter (Linie)"), false, optionen);
    Gitterpunkt = kaestchen("Gitterpunkt", QStringLiteral("Gitter (Punkte)"), false, optionen);
    logx = kaestchen("logx", QStringLiteral("x-Achse logarithmisch"), false, optionen);
    logy = kaestchen("logy", QStringLiteral("y-Achse logarithmisch"), false, optionen);
    QPushButton* koordlinie = knopf("koordlinie", QStringLiteral("Linienart"), optionen);
    connect(koordlinie, &QPushButton::clicked, this, [this] { linienartAchsen(); });
    auto* og = new QGridLayout(optionen);
    og->addWidget(Koord, 0, 0);
    og->addWidget(Gitterlinie, 0, 1);
    og->addWidget(Gitterpunkt, 0, 2);
    og->addWidget(logx, 1, 0);
    og->addWidget(logy, 1, 1);
    og->addWidget(koordlinie, 1, 2);

    auto* l = new QHBoxLayout(s);
    auto* achsen = new QVBoxLayout;
    auto* achsenzeile = new QHBoxLayout;
    achsenzeile->addWidget(achse(QStringLiteral("x-Achse"), xmin, xmax, xskala));
    achsenzeile->addWidget(achse(QStringLiteral("y-Achse"), ymin, ymax, yskala));
    achsen->addLayout(achsenzeile);
    achsen->addWidget(optionen);
    l->addLayout(achsen);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(zoom);
    rechts->addWidget(schieben);
    l->addLayout(rechts);
    l->addStretch();
    return s;
}

QWidget* Tdialogfkt::seiteBeschriftung() {
    auto* s = new QWidget;
    auto* achsen = new QGroupBox(QStringLiteral("Beschriftung der Koordinatenachsen"), s);
    xtext = textfeld("xtext", QStringLiteral("x-Achse"), achsen);
    ytext = textfeld("ytext", QStringLiteral("y-Achse"), achsen);
    uebertext = textfeld("uebertext", QStringLiteral("Überschrift"), achsen);
    // As long as a plot file may hold them.
    for (QLineEdit* feld : {xtext, ytext, uebertext})
        feld->setMaxLength(static_cast<int>(fktdatei::max_zeilenlaenge));
    autoBeschrift =
        kaestchen("autoBeschrift", QStringLiteral("Beschriftung eintragen"), true, achsen);
    QPushButton* schrift = knopf("Schriftart1", QStringLiteral("Schriftart"), achsen);
    QPushButton* alsText =
        knopf("BeschriftungalsText", QStringLiteral("Beschriftung als Text"), achsen);
    connect(schrift, &QPushButton::clicked, this, [this] { schriftart(); });
    connect(alsText, &QPushButton::clicked, this, [this] { beschriftungAlsText(); });
    auto* ag = new QGridLayout(achsen);
    ag->addWidget(etikett(QStringLiteral("x-Achse:"), xtext), 0, 0);
    ag->addWidget(xtext, 0, 1);
    ag->addWidget(etikett(QStringLiteral("y-Achse:"), ytext), 1, 0);
    ag->addWidget(ytext, 1, 1);
    ag->addWidget(etikett(QStringLiteral("Überschrift:"), uebertext), 2, 0);
    ag->addWidget(uebertext, 2, 1);
    ag->addWidget(autoBeschrift, 0, 2);
    ag->addWidget(schrift, 1, 2);
    ag->addWidget(alsText, 2, 2);
    ag->setColumnStretch(1, 1);

    auto* intervall = new QGroupBox(QStringLiteral("Intervall"), s);
    xinter = ganzfeld("xinter", 1, 1, 1000, intervall);
    yinter = ganzfeld("yinter", 1, 1, 1000, intervall);
    auto* ig = new QFormLayout(intervall);
    ig->addRow(QStringLiteral("x-Achse:"), xinter);
    ig->addRow(QStringLiteral("y-Achse:"), yinter);

    auto* l = new QHBoxLayout(s);
    l->addWidget(achsen, 1);
    l->addWidget(intervall, 0, Qt::AlignTop);
    l->addStretch();
    achsen->setMaximumWidth(620);
    auto* aussen = new QWidget;
    auto* al = new QVBoxLayout(aussen);
    al->setContentsMargins(0, 0, 0, 0);
    al->addWidget(s);
    al->addStretch();
    return aussen;
}

QWidget* Tdialogfkt::seiteText() {
    auto* s = new QWidget;
    Memo1 = new QPlainTextEdit(s);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->installEventFilter(this);

    // The radical is the Symbol font's character "Ö"; the letters show as the Symbol font's
    // Greek letters and signs.
    QPushButton* wurzel =
        knopf("Wurzel1", QString(QChar(symbolzeichen(static_cast<unsigned char>(0xD6)))), s,
              QStringLiteral("Wurzel \\w()"));
    QPushButton* bruch = knopf("Bruch1", QStringLiteral("¼"), s, QStringLiteral("Bruch \\f( ; )"));
    QPushButton* schrift = knopf("Schrift1", QStringLiteral("Schrift..."), s,
                                 QStringLiteral("Schriftart und -größe einfügen"));
    for (QPushButton* k : {wurzel, bruch})
        k->setFixedWidth(36);
    connect(wurzel, &QPushButton::clicked, this,
            [this] { freitextEinfuegen(QStringLiteral("\\w()"), 1); });
    connect(bruch, &QPushButton::clicked, this,
            [this] { freitextEinfuegen(QStringLiteral("\\f( ; )"), 4); });
    connect(schrift, &QPushButton::clicked, this, [this] { schriftEinfuegen(); });

    StringGrid1 = new TStringGrid(s);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFixedCols(0);
    StringGrid1->setFixedRows(0);
    constexpr int spalten = 11, zeilen = 5, zelle = 24;
    StringGrid1->setColCount(spalten);
    StringGrid1->setRowCount(zeilen);
    StringGrid1->setDefaultColWidth(zelle);
    StringGrid1->setDefaultRowHeight(zelle);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFixedSize(spalten * zelle + 2 * StringGrid1->frameWidth(),
                              zeilen * zelle + 2 * StringGrid1->frameWidth());
    for (int n = 0; n < spalten * zeilen; ++n) {
        const int code = n < 26 ? 65 + n : 71 + n;
        StringGrid1->setCell(n % spalten, n / spalten,
                             QString(QChar(symbolzeichen(static_cast<unsigned char>(code)))));
        if (QTableWidgetItem* z = StringGrid1->item(n / spalten, n % spalten)) {
            z->setTextAlignment(Qt::AlignCenter);
            z->setToolTip(QStringLiteral("\\c(%1)").arg(QChar(code)));
        }
    }

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(wurzel);
    knoepfe->addWidget(bruch);
    knoepfe->addWidget(schrift);
    knoepfe->addStretch();
    auto* symbole = new QVBoxLayout;
    symbole->addLayout(knoepfe);
    symbole->addWidget(StringGrid1);
    symbole->addStretch();
    auto* l = new QHBoxLayout(s);
    l->addWidget(Memo1, 1);
    l->addLayout(symbole);
    return s;
}

QWidget* Tdialogfkt::seiteEinrichten() {
    auto* s = new QWidget;
    auto* seite = new QGroupBox(QStringLiteral("Abmessungen der Seite in Millimeter"), s);
    xseite = ganzfeld("xseite", 200, 10, 5000, seite);
    yseite = ganzfeld("yseite", 270, 10, 5000, seite);
    QPushButton* werte = knopf("Druckerwerte", QStringLiteral("Druckerwerte übernehmen"), seite);
    QPushButton* einrichten =
        knopf("Druckereinrichten", QStringLiteral("Drucker einrichten"), seite);
    connect(werte, &QPushButton::clicked, this, [this] { druckerwerteUebernehmen(); });
    connect(einrichten, &QPushButton::clicked, this, [this] { druckerEinrichten(); });
    auto* sg = new QGridLayout(seite);
    sg->addWidget(etikett(QStringLiteral("Breite"), xseite), 0, 0);
    sg->addWidget(xseite, 0, 1);
    sg->addWidget(etikett(QStringLiteral("Höhe"), yseite), 1, 0);
    sg->addWidget(yseite, 1, 1);
    sg->addWidget(werte, 2, 0, 1, 2);
    sg->addWidget(einrichten, 3, 0, 1, 2);

    auto* grafik =
        new QGroupBox(QStringLiteral("Abmessungen und Position der Grafik in Millimeter"), s);
    xgroesse = ganzfeld("xgroesse", 80, 1, 5000, grafik);
    ygroesse = ganzfeld("ygroesse", 60, 1, 5000, grafik);
    xabstand = ganzfeld("xabstand", 20, -5000, 5000, grafik);
    yabstand = ganzfeld("yabstand", 10, -5000, 5000, grafik);
    massx = dezimalfeld("massx", 80.0L / 6, grafik);
    massy = dezimalfeld("massy", 10, grafik);
    for (TextendEdit* m : {massx, massy}) {
        m->setFormatstr(QStringLiteral("0.000"));
        m->setFormatenabled(true);
    }
    auto* gg = new QGridLayout(grafik);
    gg->addWidget(new QLabel(QStringLiteral("Breite / Höhe")), 0, 0);
    gg->addWidget(xgroesse, 0, 1);
    gg->addWidget(ygroesse, 0, 2);
    gg->addWidget(new QLabel(QStringLiteral("Abstand vom Rand")), 1, 0);
    gg->addWidget(xabstand, 1, 1);
    gg->addWidget(yabstand, 1, 2);
    gg->addWidget(new QLabel(QStringLiteral("Maßstab; mm/Einheit")), 2, 0);
    gg->addWidget(massx, 2, 1);
    gg->addWidget(massy, 2, 2);

    auto* l = new QHBoxLayout(s);
    l->addWidget(seite, 0, Qt::AlignTop);
    l->addWidget(grafik, 0, Qt::AlignTop);
    l->addStretch();
    return s;
}

} // namespace zol
