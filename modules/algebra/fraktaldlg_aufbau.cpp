// Layout of the fractal window: the notebook "Eingabe" with the pages "Mandelbrotmenge" and
// "Juliamenge", the picture size, gauge and depth label, the picture in a scroll area, and the
// menus with the picture's own commands.
#include "modules/algebra/fraktalbild.h"
#include "modules/algebra/fraktaldlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/farbgitter.h"
#include "shell/rahmen/felder.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>
#include <thread>

namespace zol {

using felder::dezimalfeld;
using felder::ganzfeld;

namespace {

// Coordinates may be typed far beyond what the 6-byte real holds; such points simply escape.
TextendEdit* koordinate(const char* name, long double wert, QWidget* eltern) {
    return dezimalfeld(name, wert, -1e60L, 1e60L, QStringLiteral("0.00"), eltern);
}

} // namespace

Tfraktaldlg::Tfraktaldlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tfraktaldlg"), eltern) {
    threads_ = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::rechne, Befehl::hilfe, Befehl::hauptmenue});
    befehleAnlegen();
    // The palette is taken once, from the colour grid's entries 0 ... 15.
    for (std::size_t i = 0; i < farben_.size(); ++i)
        farben_[i] = Tfarbgitter::farben()[i].rgb();
    anzeige_ = new QTimer(this);
    anzeige_->setInterval(50);
    connect(anzeige_, &QTimer::timeout, this, [this] { bildHolen(); });
    resize(800, 500);
}

// Inputs in a column on the left, the picture beside them, so a picture of the default size is
// seen whole next to the values that made it.
void Tfraktaldlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QHBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* links = new QVBoxLayout;
    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QVBoxLayout(eingabe);
    book1 = new QTabWidget(eingabe);
    book1->setObjectName(QStringLiteral("book1"));
    book1->addTab(seiteMandelbrot(), QStringLiteral("Mandelbrotmenge"));
    book1->addTab(seiteJulia(), QStringLiteral("Juliamenge"));
    el->addWidget(book1);
    links->addWidget(eingabe);

    auto* groesse = new QGroupBox(QStringLiteral("Bildgröße in Pixel"), mitte);
    auto* gl = new QFormLayout(groesse);
    breite = ganzfeld("breite", 300, 1, fraktal::max_seite, groesse);
    hoehe = ganzfeld("hoehe", 200, 1, fraktal::max_seite, groesse);
    gl->addRow(QStringLiteral("Breite"), breite);
    gl->addRow(QStringLiteral("Höhe"), hoehe);
    links->addWidget(groesse);

    Gauge1 = new QProgressBar(mitte);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    links->addWidget(Gauge1);
    Label13 = new QLabel(mitte);
    Label13->setObjectName(QStringLiteral("Label13"));
    links->addWidget(Label13);

    // Present for the data file, not shown: the escape bound, the slow motion and its delay,
    // and the colour grid the palette comes from.
    longintEdit1 = ganzfeld("longintEdit1", 4, 1, std::numeric_limits<qint32>::max(), mitte);
    CheckBox1 = felder::kaestchen("CheckBox1", QStringLiteral("Zeitlupe"), false, mitte);
    SpinEditex1 = new TSpinEditex(mitte);
    SpinEditex1->setObjectName(QStringLiteral("SpinEditex1"));
    SpinEditex1->setValue(40);
    ColorGrid1 = new Tfarbgitter(mitte);
    ColorGrid1->setObjectName(QStringLiteral("ColorGrid1"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{longintEdit1, CheckBox1, SpinEditex1, ColorGrid1})
        w->hide();
    links->addStretch(1);
    lage->addLayout(links);

    auto* flaeche = new QScrollArea(mitte);
    flaeche->setObjectName(QStringLiteral("Bildflaeche"));
    flaeche->setBackgroundRole(QPalette::Base);
    Image1 = new Tfraktalbild;
    Image1->setObjectName(QStringLiteral("Image1"));
    flaeche->setWidget(Image1);
    flaeche->setWidgetResizable(false);
    flaeche->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lage->addWidget(flaeche, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{
             book1, extendEdit1, extendEdit2, extendEdit3, extendEdit4, longintEdit2, extendEdit5,
             extendEdit6, extendEdit7, extendEdit8, longintEdit3, breite, hoehe, longintEdit1,
             CheckBox1, SpinEditex1})
        komponente(w);
}

QWidget* Tfraktaldlg::seiteMandelbrot() {
    auto* seite = new QWidget;
    auto* lage = new QFormLayout(seite);
    extendEdit1 = koordinate("extendEdit1", -1.75L, seite);
    extendEdit2 = koordinate("extendEdit2", 0.75L, seite);
    extendEdit3 = koordinate("extendEdit3", -1.5L, seite);
    extendEdit4 = koordinate("extendEdit4", 1.5L, seite);
    longintEdit2 = ganzfeld("longintEdit2", 50, 1, fraktal::max_tiefe, seite);
    lage->addRow(QStringLiteral("x-min:"), extendEdit1);
    lage->addRow(QStringLiteral("x-max:"), extendEdit2);
    lage->addRow(QStringLiteral("y-min:"), extendEdit3);
    lage->addRow(QStringLiteral("y-max:"), extendEdit4);
    lage->addRow(QStringLiteral("max. Iterationstiefe:"), longintEdit2);
    return seite;
}

QWidget* Tfraktaldlg::seiteJulia() {
    auto* seite = new QWidget;
    auto* lage = new QFormLayout(seite);
    extendEdit5 = koordinate("extendEdit5", -1.5L, seite);
    extendEdit6 = koordinate("extendEdit6", 0, seite);
    extendEdit7 = koordinate("extendEdit7", 1, seite);
    extendEdit8 = koordinate("extendEdit8", 1, seite);
    longintEdit3 = ganzfeld("longintEdit3", 50, 1, fraktal::max_tiefe, seite);
    lage->addRow(QStringLiteral("x:"), extendEdit5);
    lage->addRow(QStringLiteral("y:"), extendEdit6);
    lage->addRow(QStringLiteral("x-weite:"), extendEdit7);
    lage->addRow(QStringLiteral("y-weite:"), extendEdit8);
    lage->addRow(QStringLiteral("max. Iterationstiefe:"), longintEdit3);
    return seite;
}

// The bitmap commands stand in "Datei" before "Drucken...", copying in a menu "Bearbeiten"
// before the compute command.
void Tfraktaldlg::befehleAnlegen() {
    bitmapLaden_ = eigenerBefehl(QStringLiteral("Bitmapladen"), QStringLiteral("Bitmap &laden..."));
    bitmapSpeichern_ =
        eigenerBefehl(QStringLiteral("Bitmapspeichern"), QStringLiteral("Bitmap spei&chern..."));
    kopieren_ =
        eigenerBefehl(QStringLiteral("Fraktalkopieren"), QStringLiteral("&Fraktal kopieren"));
    connect(bitmapLaden_, &QAction::triggered, this, [this] { bitmapLadenBefehl(); });
    connect(bitmapSpeichern_, &QAction::triggered, this, [this] { bitmapSpeichernBefehl(); });
    connect(kopieren_, &QAction::triggered, this, [this] { fraktalKopieren(); });

    QAction* drucken = aktion(Befehl::drucken);
    for (QAction* a : menuBar()->actions()) {
        QMenu* m = a->menu();
        if (m == nullptr || !m->actions().contains(drucken)) continue;
        m->insertAction(drucken, bitmapLaden_);
        m->insertAction(drucken, bitmapSpeichern_);
        m->insertSeparator(bitmapLaden_);
        m->insertSeparator(drucken);
    }
    auto* bearbeiten = new QMenu(QStringLiteral("&Bearbeiten"), this);
    bearbeiten->addAction(kopieren_);
    menuBar()->insertMenu(aktion(Befehl::rechne), bearbeiten);
}

} // namespace zol
