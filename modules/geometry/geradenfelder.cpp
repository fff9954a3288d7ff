#include "modules/geometry/geradenfelder.h"

#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>

#include <algorithm>

namespace zol {

namespace {

// A page of rows: a caption and one or two fields, or a caption alone (a heading).
class Seitenbauer {
public:
    explicit Seitenbauer(int& nummer) : nummer_(nummer), seite_(new QWidget) {
        raster_ = new QGridLayout(seite_);
    }
    void text(const QString& t) { raster_->addWidget(new QLabel(t, seite_), zeile_++, 0, 1, 3); }
    void zeile(const QString& titel, int anzahl) {
        raster_->addWidget(new QLabel(titel, seite_), zeile_, 0);
        for (int i = 0; i < anzahl; ++i) {
            TextendEdit* f = geometriefeld(nummer_++, "0", seite_);
            felder_.push_back(f);
            raster_->addWidget(f, zeile_, i + 1);
        }
        ++zeile_;
    }
    QWidget* fertig() {
        raster_->setRowStretch(zeile_, 1);
        raster_->setColumnStretch(3, 1);
        return seite_;
    }
    std::vector<TextendEdit*> felder_;

private:
    int& nummer_;
    QWidget* seite_;
    QGridLayout* raster_;
    int zeile_ = 0;
};

QString titel(Geradenform f) {
    switch (f) {
    case Geradenform::zwei_punkte:
        return QStringLiteral("2 Punkte");
    case Geradenform::steigung_punkt:
        return QStringLiteral("Steigung + Punkt");
    case Geradenform::abschnitt_punkt:
        return QStringLiteral("y-Abschnitt + Punkt");
    case Geradenform::steigung_abschnitt:
        break;
    }
    return QStringLiteral("Steigung+y-Abschnitt");
}

QString titel(Parabelform f) {
    switch (f) {
    case Parabelform::drei_punkte:
        return QStringLiteral("3 Punkte");
    case Parabelform::formfaktor_zwei_punkte:
        return QStringLiteral("Formfaktor + 2 Punkte");
    case Parabelform::scheitelform:
        return QStringLiteral("Scheitelform");
    case Parabelform::allgemein:
        return QStringLiteral("Allgemeine Form");
    case Parabelform::linearfaktoren:
        break;
    }
    return QStringLiteral("Linear Faktoren");
}

void seite_fuellen(Seitenbauer& s, Geradenform f) {
    const QString punkt = QStringLiteral("P1(x|y)");
    switch (f) {
    case Geradenform::zwei_punkte:
        s.zeile(punkt, 2);
        s.zeile(QStringLiteral("P2(x|y)"), 2);
        break;
    case Geradenform::steigung_punkt:
        s.zeile(QStringLiteral("Steigung der Geraden m ="), 1);
        s.zeile(punkt, 2);
        break;
    case Geradenform::abschnitt_punkt:
        s.zeile(punkt, 2);
        s.zeile(QStringLiteral("y-Abschnitt t ="), 1);
        break;
    case Geradenform::steigung_abschnitt:
        s.zeile(QStringLiteral("Steigung m"), 1);
        s.zeile(QStringLiteral("y-Abschnitt t"), 1);
        break;
    }
}

void seite_fuellen(Seitenbauer& s, Parabelform f) {
    switch (f) {
    case Parabelform::drei_punkte:
        s.text(QStringLiteral("P1,P2 und P3 Punkte auf der Parabel"));
        s.zeile(QStringLiteral("P1(x|y)"), 2);
        s.zeile(QStringLiteral("P2(x|y)"), 2);
        s.zeile(QStringLiteral("P3(x|y)"), 2);
        break;
    case Parabelform::formfaktor_zwei_punkte:
        s.zeile(QStringLiteral("Formfaktor:"), 1);
        s.text(QStringLiteral("P1 und P2 Punkte auf der Parabel"));
        s.zeile(QStringLiteral("P1(x|y)"), 2);
        s.zeile(QStringLiteral("P2(x|y)"), 2);
        break;
    case Parabelform::scheitelform:
        s.text(QStringLiteral("y = a·(x − xs)² + ys"));
        s.text(QStringLiteral("a = Formfaktor        Scheitel(xs/ys)"));
        s.zeile(QStringLiteral("a ="), 1);
        s.zeile(QStringLiteral("Scheitel(xs|ys)"), 2);
        break;
    case Parabelform::allgemein:
        s.text(QStringLiteral("y = a·x² + b·x + c"));
        s.zeile(QStringLiteral("a ="), 1);
        s.zeile(QStringLiteral("b ="), 1);
        s.zeile(QStringLiteral("c ="), 1);
        break;
    case Parabelform::linearfaktoren:
        s.text(QStringLiteral("y = a·(x − x1)·(x − x2)"));
        s.text(QStringLiteral("X1, X2 Schnittpunkte mit der x-Achse (Nullstellen)"));
        s.zeile(QStringLiteral("a ="), 1);
        s.zeile(QStringLiteral("X1 ="), 1);
        s.zeile(QStringLiteral("X2 ="), 1);
        break;
    }
}

template <class Form>
int seiten_bauen(QTabWidget* buch, const std::vector<Form>& reihenfolge, int nummer,
                 std::vector<std::vector<TextendEdit*>>& felder) {
    felder.clear();
    for (Form f : reihenfolge) {
        Seitenbauer s(nummer);
        seite_fuellen(s, f);
        buch->addTab(s.fertig(), titel(f));
        felder.push_back(s.felder_);
    }
    return nummer;
}

template <class Form>
void werte_setzen(const std::vector<Form>& reihenfolge,
                  const std::vector<std::vector<TextendEdit*>>& felder, Form form,
                  std::initializer_list<const char*> werte) {
    for (std::size_t s = 0; s < reihenfolge.size(); ++s) {
        if (reihenfolge[s] != form) continue;
        std::size_t i = 0;
        for (const char* w : werte)
            if (i < felder[s].size()) felder[s][i++]->setText(QString::fromLatin1(w));
    }
}

template <class Form>
std::vector<long double> werte_lesen(const QTabWidget* buch, const std::vector<Form>& reihenfolge,
                                     const std::vector<std::vector<TextendEdit*>>& felder,
                                     Form& form) {
    const std::size_t seite = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(buch->currentIndex(), 0)), reihenfolge.size() - 1);
    form = reihenfolge[seite];
    std::vector<long double> w;
    for (TextendEdit* f : felder[seite])
        w.push_back(felder::imBereich(*f));
    return w;
}

template <class Felder> QList<TextendEdit*> alle(const Felder& felder) {
    QList<TextendEdit*> r;
    for (const auto& seite : felder)
        for (TextendEdit* f : seite)
            r << f;
    std::sort(r.begin(), r.end(), [](TextendEdit* a, TextendEdit* b) {
        return a->objectName().mid(10).toInt() < b->objectName().mid(10).toInt();
    });
    return r;
}

} // namespace

TextendEdit* geometriefeld(int nummer, const char* wert, QWidget* eltern) {
    auto* f = new TextendEdit(eltern);
    f->setObjectName(QStringLiteral("extendEdit%1").arg(nummer));
    f->setText(QString::fromLatin1(wert));
    f->setMaximumWidth(felder::zahlbreite);
    return f;
}

int Geradeneingabe::aufbauen(QTabWidget* buch, const std::vector<Geradenform>& reihenfolge,
                             int erstes_feld) {
    buch_ = buch;
    reihenfolge_ = reihenfolge;
    return seiten_bauen(buch, reihenfolge, erstes_feld, felder_);
}

void Geradeneingabe::setzeWerte(Geradenform form, std::initializer_list<const char*> werte) {
    werte_setzen(reihenfolge_, felder_, form, werte);
}

Geradenangabe Geradeneingabe::vorgabe() const {
    Geradenangabe v;
    const std::vector<long double> w = werte_lesen(buch_, reihenfolge_, felder_, v.form);
    switch (v.form) {
    case Geradenform::zwei_punkte:
        v.p1 = {w[0], w[1]};
        v.p2 = {w[2], w[3]};
        break;
    case Geradenform::steigung_punkt:
        v.m = w[0];
        v.p1 = {w[1], w[2]};
        break;
    case Geradenform::abschnitt_punkt:
        v.p1 = {w[0], w[1]};
        v.t = w[2];
        break;
    case Geradenform::steigung_abschnitt:
        v.m = w[0];
        v.t = w[1];
        break;
    }
    return v;
}

QList<TextendEdit*> Geradeneingabe::felder() const {
    return alle(felder_);
}

int Parabeleingabe::aufbauen(QTabWidget* buch, const std::vector<Parabelform>& reihenfolge,
                             int erstes_feld) {
    buch_ = buch;
    reihenfolge_ = reihenfolge;
    return seiten_bauen(buch, reihenfolge, erstes_feld, felder_);
}

void Parabeleingabe::setzeWerte(Parabelform form, std::initializer_list<const char*> werte) {
    werte_setzen(reihenfolge_, felder_, form, werte);
}

Parabelangabe Parabeleingabe::vorgabe() const {
    Parabelangabe v;
    const std::vector<long double> w = werte_lesen(buch_, reihenfolge_, felder_, v.form);
    switch (v.form) {
    case Parabelform::drei_punkte:
        v.p1 = {w[0], w[1]};
        v.p2 = {w[2], w[3]};
        v.p3 = {w[4], w[5]};
        break;
    case Parabelform::formfaktor_zwei_punkte:
        v.a = w[0];
        v.p1 = {w[1], w[2]};
        v.p2 = {w[3], w[4]};
        break;
    case Parabelform::scheitelform:
        v.a = w[0];
        v.xs = w[1];
        v.ys = w[2];
        break;
    case Parabelform::allgemein:
        v.a = w[0];
        v.b = w[1];
        v.c = w[2];
        break;
    case Parabelform::linearfaktoren:
        v.a = w[0];
        v.x1 = w[1];
        v.x2 = w[2];
        break;
    }
    return v;
}

QList<TextendEdit*> Parabeleingabe::felder() const {
    return alle(felder_);
}

} // namespace zol
