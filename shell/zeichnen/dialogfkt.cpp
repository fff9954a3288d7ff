#include "shell/zeichnen/dialogfkt.h"

#include "graph/neuaufbau.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/meldungsumleitung.h"
#include "shell/zeichnen/seitenansicht.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter> // the printer the window owns
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTemporaryDir> // the copies of hand-over tables

#include <cmath>
#include <string>

namespace zol {

namespace {

QString feldtext(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return s->text();
    if (auto* m = qobject_cast<const QPlainTextEdit*>(w)) return m->toPlainText();
    return {};
}

// "Zeichnen", "Zeichnen 2", … : the lowest number no other unsaved plot window shows, as new
// documents are numbered elsewhere.
QString neuer_titel(const QWidget* selbst) {
    const QString grund = QStringLiteral("Zeichnen");
    QList<int> vergeben;
    for (const Tmodulfenster* f : Tmodulfenster::alleFenster()) {
        if (f == selbst || !f->dateiname().isEmpty() || !qobject_cast<const Tdialogfkt*>(f))
            continue;
        const QString t = f->windowTitle();
        if (t == grund) vergeben << 1;
        if (t.startsWith(grund + QLatin1Char(' '))) {
            bool zahl = false;
            const int n = t.mid(grund.size() + 1).toInt(&zahl);
            if (zahl) vergeben << n;
        }
    }
    int n = 1;
    while (vergeben.contains(n))
        ++n;
    return n == 1 ? grund : grund + QStringLiteral(" %1").arg(n);
}

constexpr double standardfaktor = 0.3;
constexpr double faktorschritt = 1.2;

} // namespace

Tdialogfkt::Tdialogfkt(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tdialogfkt"), eltern) {
    liste_.seitenbreite = 2000;
    liste_.seitenhoehe = 2700;
    // Curves 0.5 mm wide stand out from the 0.1 mm axes on paper.
    funktionsstift_.breite = 5;
    aufbauen();
    PaintBox1->setzeFaktor(standardfaktor);
    resize(1120, 900);
    setWindowTitle(neuer_titel(this));
    // The label format; the refresh it triggers builds the first page.
    setzeFormat(QStringLiteral("0.000"));
}

Tdialogfkt::~Tdialogfkt() {
    // A field that has the focus sends its last signals while it is destroyed; they must reach
    // a whole window, which ignores them as it does while loading.
    laedt_ = true;
    delete takeCentralWidget();
}

// ---- settings ----

long double Tdialogfkt::wert(const TSpinEditex* feld) const {
    // A range field shows its value rounded to the picture; as long as the text is what a
    // zoom or move wrote, the exact value is used, so that zooming in and out again returns
    // to the same range.
    const auto it = genau_.constFind(feld);
    if (it != genau_.constEnd() && it->first == feld->text()) return it->second;
    return feld->Value();
}

void Tdialogfkt::setzeWert(TSpinEditex* feld, long double w) {
    if (!std::isfinite(w)) return;
    w = std::clamp(w, feld->MinValue(), feld->MaxValue());
    feld->setValue(w);
    genau_.insert(feld, {feld->text(), w});
}

Tzeichenvorgaben Tdialogfkt::vorgaben() const {
    Tzeichenvorgaben v;
    v.xmin = wert(xmin);
    v.xmax = wert(xmax);
    v.xskala = wert(xskala);
    v.ymin = wert(ymin);
    v.ymax = wert(ymax);
    v.yskala = wert(yskala);
    v.xgroesse = xgroesse->Value();
    v.ygroesse = ygroesse->Value();
    v.xabstand = xabstand->Value();
    v.yabstand = yabstand->Value();
    v.koord = Koord->isChecked();
    v.gitterlinie = Gitterlinie->isChecked();
    v.gitterpunkt = Gitterpunkt->isChecked();
    v.logx = logx->isChecked();
    v.logy = logy->isChecked();
    v.xinter = xinter->Value();
    v.yinter = yinter->Value();
    v.autobeschrift = autoBeschrift->isChecked();
    v.xtext = xtext->text().toStdString();
    v.ytext = ytext->text().toStdString();
    v.uebertext = uebertext->text().toStdString();
    v.schrift = schrift_;
    v.achsenstift = achsenstift_;
    v.zahlformat = format().toStdString();
    v.freitext.clear();
    for (const QString& z : Memo1->toPlainText().split(QLatin1Char('\n')))
        v.freitext.push_back(z.toStdString());
    v.formeln = &formelbaum();
    return v;
}

double Tdialogfkt::ansichtsfaktor() const {
    return PaintBox1->faktor();
}

bool Tdialogfkt::eingabeSichtbar() const {
    return eingabeZeigen_->isChecked();
}

bool Tdialogfkt::automatisch() const {
    return automatisch_->isChecked();
}

// ---- rebuild and refresh ----

void Tdialogfkt::neuaufbauen(bool leise) {
    // A message box shown by the engine runs an event loop; a second rebuild must not start
    // inside the first.
    if (baut_ || laedt_) return;
    baut_ = true;
    grenzenOrdnen();
    {
        Meldungsumleitung umleitung(this, leise);
        Tzeichenvorgaben v = vorgaben();
        seitengroesse();
        neuaufbau(liste_, v, eintraege_);
        // The engine switches a log axis off when its range is not positive.
        for (auto [kaestchen, an] : {std::pair{logx, v.logx}, std::pair{logy, v.logy}}) {
            if (kaestchen->isChecked() && !an) {
                const QSignalBlocker sperre(kaestchen);
                kaestchen->setChecked(false);
            }
        }
    }
    baut_ = false;
    PaintBox1->update();
}

void Tdialogfkt::aktualisieren() {
    neuaufbauen(false);
}

void Tdialogfkt::auffrischen() {
    if (laedt_ || frischt_ || xmin == nullptr) return;
    frischt_ = true;
    grenzenOrdnen();
    massstaebe();
    for (auto [feld, schritt] : {std::pair{xmin, xskala}, std::pair{xmax, xskala},
                                 std::pair{ymin, yskala}, std::pair{ymax, yskala}}) {
        const long double s = wert(schritt);
        if (std::isfinite(s)) feld->setIncrement(s);
    }
    seitengroesse();
    if (automatisch()) neuaufbauen(false);
    texteMerken();
    frischt_ = false;
}

// Exchanged limits would put the curves outside the frame; the fields are exchanged back, as the
// value table does.
void Tdialogfkt::grenzenOrdnen() {
    felder::grenzenOrdnen(*xmin, *xmax);
    felder::grenzenOrdnen(*ymin, *ymax);
}

// mm per unit from the plot size; equal limits keep the old scale.
void Tdialogfkt::massstaebe() {
    auto setze = [](TextendEdit* feld, int groesse, long double a, long double b) {
        const long double bereich = std::fabs(b - a);
        const long double m = groesse / bereich;
        if (bereich > 0 && std::isfinite(m)) feld->setValue(m);
    };
    setze(massx, xgroesse->Value(), wert(xmin), wert(xmax));
    setze(massy, ygroesse->Value(), wert(ymin), wert(ymax));
}

void Tdialogfkt::seitengroesse() {
    liste_.seitenbreite = xseite->Value() * 10;
    liste_.seitenhoehe = yseite->Value() * 10;
    PaintBox1->seitengroesseAnpassen();
}

void Tdialogfkt::texteMerken() {
    for (QWidget* w : {static_cast<QWidget*>(xmin),      static_cast<QWidget*>(xmax),
                       static_cast<QWidget*>(xskala),    static_cast<QWidget*>(ymin),
                       static_cast<QWidget*>(ymax),      static_cast<QWidget*>(yskala),
                       static_cast<QWidget*>(xtext),     static_cast<QWidget*>(ytext),
                       static_cast<QWidget*>(uebertext), static_cast<QWidget*>(xinter),
                       static_cast<QWidget*>(yinter),    static_cast<QWidget*>(xseite),
                       static_cast<QWidget*>(yseite),    static_cast<QWidget*>(xgroesse),
                       static_cast<QWidget*>(ygroesse),  static_cast<QWidget*>(xabstand),
                       static_cast<QWidget*>(yabstand),  static_cast<QWidget*>(massx),
                       static_cast<QWidget*>(massy),     static_cast<QWidget*>(Memo1)})
        texte_.insert(w, feldtext(w));
}

// Leaving a settings field refreshes the page, once per change: tabbing through the fields or
// a message box taking the focus does not rebuild again.
void Tdialogfkt::feldVerlassen(QWidget* feld) {
    if (laedt_ || frischt_ || baut_) return;
    if (texte_.value(feld) == feldtext(feld)) return;
    // With equal limits there is no size to derive; the plot keeps its size.
    auto groesse = [](Tspineditin* ziel, long double mass, long double a, long double b) {
        const long double g = std::rint(std::fabs(b - a) * mass);
        if (a != b && std::isfinite(g))
            ziel->setValue(static_cast<qint32>(
                std::clamp<long double>(g, ziel->MinValue(), ziel->MaxValue())));
    };
    if (feld == massx) groesse(xgroesse, massx->Value(), wert(xmin), wert(xmax));
    if (feld == massy) groesse(ygroesse, massy->Value(), wert(ymin), wert(ymax));
    auffrischen();
}

void Tdialogfkt::formatAnwenden() {
    // The number format is the label format of the tick numbers; the range fields keep their
    // own picture.
    auffrischen();
}

void Tdialogfkt::setzeAutomatisch(bool an) {
    if (automatisch_->isChecked() != an) automatisch_->setChecked(an);
    auffrischen();
}

// ---- view ----

void Tdialogfkt::setzeAnsichtsfaktor(double faktor) {
    if (!std::isfinite(faktor) || faktor <= 0) return;
    PaintBox1->setzeFaktor(faktor);
}

void Tdialogfkt::vergroessern() {
    if (ansichtsfaktor() < 1.3) setzeAnsichtsfaktor(ansichtsfaktor() * faktorschritt);
}

void Tdialogfkt::verkleinern() {
    if (ansichtsfaktor() > 0.05) setzeAnsichtsfaktor(ansichtsfaktor() / faktorschritt);
}

void Tdialogfkt::eingabeZeigen(bool an) {
    if (eingabeZeigen_->isChecked() != an) eingabeZeigen_->setChecked(an);
    oben_->setVisible(an);
}

// ---- zoom and move ----

void Tdialogfkt::bereichZoomen(bool x, bool y, bool vergroessern) {
    long double f = Zoom->Value();
    if (!(f >= 1)) f = 1;
    if (f > 20) f = 20;
    auto skaliere = [&](TSpinEditex* feld) {
        setzeWert(feld, vergroessern ? wert(feld) * f : wert(feld) / f);
    };
    if (x)
        for (TSpinEditex* feld : {xmin, xmax, xskala})
            skaliere(feld);
    if (y)
        for (TSpinEditex* feld : {ymin, ymax, yskala})
            skaliere(feld);
    auffrischen();
}

void Tdialogfkt::verschieben(int rechts, int oben) {
    auto schiebe = [&](TSpinEditex* klein, TSpinEditex* gross, long double um) {
        setzeWert(klein, wert(klein) + um);
        setzeWert(gross, wert(gross) + um);
    };
    if (rechts != 0) schiebe(xmin, xmax, rechts * wert(xskala));
    if (oben != 0) schiebe(ymin, ymax, oben * wert(yskala));
    auffrischen();
}

// ---- free text ----

void Tdialogfkt::freitextEinfuegen(const QString& text, int zurueck) {
    QTextCursor c = Memo1->textCursor();
    c.insertText(text);
    if (zurueck > 0) c.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, zurueck);
    Memo1->setTextCursor(c);
}

void Tdialogfkt::beschriftungAlsText() {
    freitextEinfuegen(QStringLiteral("\\Fn(") + QString::fromStdString(schrift_.name) +
                      QStringLiteral(")\\Fs(") +
                      QString::fromStdString(std::to_string(schrift_.groesse)) + QLatin1Char(')'));
    {
        const QSignalBlocker sperre(autoBeschrift);
        autoBeschrift->setChecked(false);
    }
    for (QLineEdit* e : {xtext, ytext, uebertext})
        e->setEnabled(false);
    // The labels are written once as lines of the free text, where the user can edit them.
    Tzeichenvorgaben v = vorgaben();
    v.textmodus = true;
    v.autobeschrift = false;
    const std::size_t vorher = v.freitext.size();
    liste_.leeren();
    {
        Meldungsumleitung umleitung(this, false);
        Tfktachsen motor(liste_, v);
        motor.achsenzeichnen();
    }
    for (std::size_t i = vorher; i < v.freitext.size(); ++i)
        Memo1->appendPlainText(QString::fromStdString(v.freitext[i]));
    neuaufbauen(false);
    texteMerken();
    TabbedNotebook1->setCurrentIndex(seite_text);
}

void Tdialogfkt::seiteGedrueckt(Tpunkt punkt) {
    if (TabbedNotebook1->currentIndex() == seite_text) seitenpunkt_ = punkt;
    neuaufbauen(false);
}

void Tdialogfkt::seiteDoppelklick(Tpunkt) {
    if (TabbedNotebook1->currentIndex() != seite_text) return;
    // Whole millimetres from the top-left corner, y counted downward.
    freitextEinfuegen(
        QStringLiteral("\\p(") + QString::fromStdString(std::to_string(seitenpunkt_.x / 10)) +
        QLatin1Char(';') + QString::fromStdString(std::to_string(-seitenpunkt_.y / 10)) +
        QLatin1Char(')'));
}

// ---- events ----

void Tdialogfkt::changeEvent(QEvent* ereignis) {
    Tmodulfenster::changeEvent(ereignis);
    // Project formulas may have changed in another window. Quietly: a message box here would
    // take the activation away and bring it back, over and over.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow()) neuaufbauen(true);
}

bool Tdialogfkt::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Memo1 && ereignis->type() == QEvent::FocusOut) feldVerlassen(Memo1);
    return Tmodulfenster::eventFilter(objekt, ereignis);
}

void Tdialogfkt::verbinden() {
    auto freigabe = [](QCheckBox* k, const QList<QWidget*>& felder) {
        auto setze = [felder](bool an) {
            for (QWidget* f : felder)
                f->setEnabled(an);
        };
        QObject::connect(k, &QCheckBox::toggled, k, setze);
        setze(k->isChecked());
    };
    freigabe(arteinsch, {vonx, bisx});
    freigabe(arteinschscharx, {vonscharx, bisscharx});
    auto integral = [this](bool an) {
        integralkonst->setEnabled(an);
        anzahlsimp->setEnabled(an);
    };
    connect(artintegral, &QRadioButton::toggled, this, integral);
    integral(artintegral->isChecked());
    connect(autoBeschrift, &QCheckBox::toggled, this, [this](bool an) {
        for (QLineEdit* e : {xtext, ytext, uebertext})
            e->setEnabled(an);
        auffrischen();
    });
    for (QCheckBox* k : {Koord, Gitterlinie, Gitterpunkt, logx, logy})
        connect(k, &QCheckBox::toggled, this, [this] { auffrischen(); });

    for (TSpinEditex* f : {xmin, xmax, xskala, ymin, ymax, yskala})
        connect(f, &QAbstractSpinBox::editingFinished, this, [this, f] { feldVerlassen(f); });
    for (Tspineditin* f : {xinter, yinter, xseite, yseite, xgroesse, ygroesse, xabstand, yabstand})
        connect(f, &QAbstractSpinBox::editingFinished, this, [this, f] { feldVerlassen(f); });
    for (QLineEdit* f : {static_cast<QLineEdit*>(xtext), static_cast<QLineEdit*>(ytext),
                         static_cast<QLineEdit*>(uebertext), static_cast<QLineEdit*>(massx),
                         static_cast<QLineEdit*>(massy)})
        connect(f, &QLineEdit::editingFinished, this, [this, f] { feldVerlassen(f); });

    connect(spineditin1, &Tspinbasis::textChanged, this,
            [this] { tabellenzeilenSetzen(spineditin1->Value()); });
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int zeile, int spalte) {
        const int n = zeile * StringGrid1->colCount() + spalte;
        const QChar zeichen(n < 26 ? 65 + n : 71 + n);
        freitextEinfuegen(QStringLiteral("\\c(") + zeichen + QLatin1Char(')'));
    });
    connect(PaintBox1, &Tseitenansicht::gedrueckt, this, [this](Tpunkt p) { seiteGedrueckt(p); });
    connect(PaintBox1, &Tseitenansicht::doppelklick, this,
            [this](Tpunkt p) { seiteDoppelklick(p); });
    // Each page's add button adds the kind of its page.
    for (int seite = 0; seite < TabbedNotebook2->count(); ++seite)
        if (auto* k = findChild<QPushButton*>(QStringLiteral("Hinzufuegen%1").arg(seite + 1)))
            connect(k, &QPushButton::clicked, this, [this, seite] {
                TabbedNotebook2->setCurrentIndex(seite);
                hinzufuegen();
            });
}

void dialogfkt_registrieren() {
    fensterart_registrieren(QStringLiteral("Tdialogfkt"), [] { return new Tdialogfkt; });
}

} // namespace zol
