#include "modules/geometry/ebenedlg.h"

#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/ebenenrechnung.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/ergebnisfeld.h"

#include <QTabWidget>

namespace zol {

void TEbene::fehler() {
    ergebnisseVerwerfen();
    for (QWidget* w : spurteile_)
        w->hide();
    meldung(QStringLiteral("Fehlerhafte Eingabe"), this);
}

void TEbene::rechne() {
    const Ebenenform form = eingabe_->form();
    ergebnisseVerwerfen();
    Koordinatenebene hesse;
    if (form == Ebenenform::koordinaten) {
        // The coefficients are taken as they are, normalised or not.
        hesse = eingabe_->koordinatenform();
        if (ist_nullvektor(hesse.normale())) return fehler();
    } else {
        Normalenebene n;
        if (form == Ebenenform::normale) {
            n = eingabe_->normalenform();
        } else {
            const Parameterebene p = form == Ebenenform::punkte ? parameterform(eingabe_->punkte())
                                                                : eingabe_->parameterform();
            for (std::size_t i = 0; i < 3; ++i)
                vektor_zeigen(parameter_[i], i == 0 ? p.a : i == 1 ? p.u : p.v);
            n = normalenform(p);
        }
        vektor_zeigen(normale_[0], n.p);
        vektor_zeigen(normale_[1], n.n);
        if (!hesseform(koordinatenform(n), hesse)) return fehler();
    }
    const long double werte[] = {hesse.a, hesse.b, hesse.c, hesse.d};
    for (std::size_t i = 0; i < 4; ++i)
        hesse_[i]->zeige(werte[i]);
    const Spurpunkte s = spurpunkte(hesse);
    for (std::size_t i = 0; i < 3; ++i) {
        spurteile_[i]->setVisible(s.vorhanden[i]);
        if (s.vorhanden[i]) vektor_zeigen(spur_[i], s.punkt[i]);
    }
}

void TEbene::ergebnisseitenAnpassen() {
    const Ebenenform form = eingabe_->form();
    const bool parameter = form == Ebenenform::punkte;
    const bool normale = parameter || form == Ebenenform::parameter;
    TabbedNotebook2->setTabText(seite_parameter,
                                parameter ? QStringLiteral("Parameterform") : QStringLiteral("-"));
    TabbedNotebook2->setTabEnabled(seite_parameter, parameter);
    TabbedNotebook2->setTabText(seite_normale,
                                normale ? QStringLiteral("Normalenform") : QStringLiteral("-"));
    TabbedNotebook2->setTabEnabled(seite_normale, normale);
    if (!TabbedNotebook2->isTabEnabled(TabbedNotebook2->currentIndex()))
        TabbedNotebook2->setCurrentIndex(seite_hesse);
}

// The forms as comment lines, each only when the input form gives it.
QStringList TEbene::zeilenBilden() const {
    if (hesse_[0] == nullptr || hesse_[0]->text().isEmpty()) return {};
    auto plus = [](Tergebnisfeld* f) {
        return QString::fromStdString(mit_vorzeichen(f->text().toStdString()));
    };
    QStringList z;
    if (TabbedNotebook2->isTabEnabled(seite_parameter))
        z << QStringLiteral(";Parameterform: X=%1+l*%2+m*%3")
                 .arg(vektortext(parameter_[0]), vektortext(parameter_[1]),
                      vektortext(parameter_[2]));
    if (TabbedNotebook2->isTabEnabled(seite_normale))
        z << QStringLiteral(";Normalenform: [X-%1]*%2=0")
                 .arg(vektortext(normale_[0]), vektortext(normale_[1]));
    z << QStringLiteral(";Hesseform: %1*x1%2*x2%3*x3%4=0")
             .arg(hesse_[0]->text(), plus(hesse_[1]), plus(hesse_[2]), plus(hesse_[3]));
    for (std::size_t i = 0; i < 3; ++i)
        if (!spur_[i][0]->text().isEmpty())
            z << QStringLiteral(";Spurpunkt P%1=%2").arg(i + 1).arg(vektortext(spur_[i]));
    return z;
}

void ebene_registrieren() {
    fensterart_registrieren(QStringLiteral("TEbene"), [] { return new TEbene; });
}

} // namespace zol
