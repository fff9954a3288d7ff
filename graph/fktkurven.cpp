// Curves of one function list entry: sampled, clipped point by point to the plot range, and
// broken wherever a sample is undefined or outside.
#include "graph/tfktachsen.h"

#include "engine/fktbaum.h"
#include "engine/meldung.h"
#include "engine/textkodierung.h"
#include "engine/zahlformat.h"
#include "graph/grafiktexte.h"
#include "graph/tabellendatei.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace zol {

namespace {

// The plot window allows far fewer; a damaged file must not stall the rebuild.
constexpr std::int32_t max_schritte = 999999;
constexpr std::int32_t max_scharglieder = 10000;

const tfunktion* funktion_von(Tfktzelle* zelle) {
    return zelle && zelle->funktion ? zelle->funktion.get() : nullptr;
}

// Joins consecutive drawable samples: a segment needs both ends drawable.
template <class Strecke> class Segmentregel {
public:
    explicit Segmentregel(Strecke strecke) : strecke_(strecke) {}
    void punkt(bool zeichenbar, Tpunkt p) {
        if (zeichenbar && vorher_) strecke_(letzter_, p);
        vorher_ = zeichenbar;
        letzter_ = p;
    }

private:
    Strecke strecke_;
    bool vorher_ = false;
    Tpunkt letzter_{};
};

} // namespace

bool Tfktachsen::punkte_buchen(long long anzahl) {
    if (anzahl <= max_seitenpunkte - seitenpunkte_) {
        seitenpunkte_ += anzahl;
        return true;
    }
    if (!zuviel_gemeldet_) melde(grafiktexte::zu_viele_punkte);
    zuviel_gemeldet_ = true;
    return false;
}

void Tfktachsen::fktzeichnen() {
    skalieren();
    punktzahl_ = 0;
    if (!gueltig_ || !aktuell || !v_.formeln) return;
    const Teinzelnefkt& e = *aktuell;
    Tfktbaum& baum = *v_.formeln;
    // What the record will sample, booked before any of it is computed.
    const long long aufloesung = std::clamp<long long>(e.aufloesung, 0, max_schritte) + 2;
    long long geplant = 0;
    switch (e.art) {
    case Teinzelnefkt::funktion:
        geplant = aufloesung * (e.zeigewert + e.zeigeableit + e.zeige2ableit + e.zeigeintegral);
        break;
    case Teinzelnefkt::schar:
        geplant = aufloesung * std::clamp<long long>(e.scharanzahl, 0, max_scharglieder);
        break;
    case Teinzelnefkt::parameter:
        geplant = std::clamp<long long>(e.scharanzahl, 0, max_schritte) + 1;
        break;
    default:
        break; // a table is booked when its size is known
    }
    if (!punkte_buchen(geplant)) return;
    switch (e.art) {
    case Teinzelnefkt::funktion: {
        Tfktzelle* zelle = nullptr;
        if (!baum.suchezeigerstr(e.name, zelle)) return;
        const tfunktion* f = funktion_von(zelle);
        if (!f) return;
        if (e.zeigewert) wertkurve(*f);
        if (e.zeigeableit) ableitkurve(*f);
        if (e.zeige2ableit) zweitableitkurve(*f);
        if (e.zeigeintegral) integralkurve(*f);
        break;
    }
    case Teinzelnefkt::schar: {
        // The parameter stays defined with the value of the last member.
        long double p = e.scharvon;
        const std::int32_t n = std::min(e.scharanzahl, max_scharglieder);
        for (std::int32_t i = 0; i < n; ++i) {
            Tfktzelle* zelle = nullptr;
            if (baum.definiere(e.name2 + "=" + allgemeinformat(p)) &&
                baum.suchezeigerstr(e.name, zelle) && funktion_von(zelle))
                wertkurve(*funktion_von(zelle));
            p += e.scharschritt;
        }
        break;
    }
    case Teinzelnefkt::parameter: {
        Tfktzelle *zx = nullptr, *zy = nullptr;
        if (!baum.suchezeigerstr(e.name, zx) || !baum.suchezeigerstr(e.name2, zy)) return;
        // Taken after both look-ups: the second may have redefined the first.
        const tfunktion* fx = funktion_von(zx);
        const tfunktion* fy = funktion_von(zy);
        if (fx && fy) parameterkurve(*fx, *fy);
        break;
    }
    case Teinzelnefkt::tabelle:
        tabellenkurve();
        break;
    default:
        break;
    }
}

bool Tfktachsen::x_abtastung(long double& x0, long double& h, int& n) const {
    const Teinzelnefkt& e = *aktuell;
    if (e.aufloesung < 1) return false;
    n = std::min(e.aufloesung, max_schritte);
    if (e.einschraenken) {
        x0 = e.von;
        h = std::fabs(e.bis - e.von) / n;
    } else {
        x0 = v_.xmin;
        h = xbereich_ / n;
    }
    return std::isfinite(x0) && std::isfinite(h);
}

bool Tfktachsen::im_ybereich(long double v) const {
    return v_.ymin <= v && v <= v_.ymax;
}

void Tfktachsen::wertkurve(const tfunktion& f) {
    long double x0 = 0, h = 0;
    int n = 0;
    if (!x_abtastung(x0, h, n)) return;
    Segmentregel regel([this](Tpunkt a, Tpunkt b) { streckeanfuegen(a, b); });
    long double x = x0;
    for (int k = 0; k <= n; ++k, x += h) {
        long double w = 0;
        const bool ok = f.funktionsberechnung(x, w) && im_ybereich(w);
        regel.punkt(ok, ok ? Tpunkt{xpunkt(x), ypunkt(w)} : Tpunkt{});
    }
    linienzugabschliessen();
}

void Tfktachsen::ableitkurve(const tfunktion& f) {
    long double x0 = 0, h = 0;
    int n = 0;
    if (!x_abtastung(x0, h, n)) return;
    Segmentregel regel([this](Tpunkt a, Tpunkt b) { streckeanfuegen(a, b); });
    long double x = x0, fa = 0;
    bool oka = f.funktionsberechnung(x, fa);
    for (int k = 1; k <= n; ++k) {
        x += h;
        long double fb = 0;
        const bool okb = f.funktionsberechnung(x, fb);
        const long double v = (fb - fa) / h;
        const bool ok = oka && okb && im_ybereich(v);
        regel.punkt(ok, ok ? Tpunkt{xpunkt(x), ypunkt(v)} : Tpunkt{});
        fa = fb;
        oka = okb;
    }
    linienzugabschliessen();
}

void Tfktachsen::zweitableitkurve(const tfunktion& f) {
    long double x0 = 0, h = 0;
    int n = 0;
    if (!x_abtastung(x0, h, n)) return;
    Segmentregel regel([this](Tpunkt a, Tpunkt b) { streckeanfuegen(a, b); });
    long double x = x0, f0 = 0, f1 = 0;
    bool ok0 = f.funktionsberechnung(x, f0);
    x += h;
    bool ok1 = f.funktionsberechnung(x, f1);
    // f is evaluated one step beyond the interval for the last sample.
    for (int k = 1; k <= n; ++k) {
        const long double xn = x + h;
        long double f2 = 0;
        const bool ok2 = f.funktionsberechnung(xn, f2);
        const long double v = (f2 - 2 * f1 + f0) / (h * h);
        const bool ok = ok0 && ok1 && ok2 && im_ybereich(v);
        regel.punkt(ok, ok ? Tpunkt{xpunkt(x), ypunkt(v)} : Tpunkt{});
        f0 = f1;
        ok0 = ok1;
        f1 = f2;
        ok1 = ok2;
        x = xn;
    }
    linienzugabschliessen();
}

// Trapezoidal rule; the constant joins the sum with the first interval, so it is lost when
// that interval is undefined. An undefined interval keeps the sum and breaks the curve.
void Tfktachsen::integralkurve(const tfunktion& f) {
    long double x0 = 0, h = 0;
    int n = 0;
    if (!x_abtastung(x0, h, n)) return;
    Segmentregel regel([this](Tpunkt a, Tpunkt b) { streckeanfuegen(a, b); });
    long double x = x0, fa = 0, summe = 0;
    bool oka = f.funktionsberechnung(x, fa);
    for (int k = 1; k <= n; ++k) {
        x += h;
        long double fb = 0;
        const bool okb = f.funktionsberechnung(x, fb);
        bool ok = false;
        if (oka && okb) {
            summe += (fa + fb) * 0.5L * h;
            if (k == 1) summe += aktuell->integralkonst;
            ok = im_ybereich(summe);
        }
        regel.punkt(ok, ok ? Tpunkt{xpunkt(x), ypunkt(summe)} : Tpunkt{});
        fa = fb;
        oka = okb;
    }
    linienzugabschliessen();
}

void Tfktachsen::parameterkurve(const tfunktion& fx, const tfunktion& fy) {
    const Teinzelnefkt& e = *aktuell;
    if (e.scharanzahl < 1) return;
    const std::int32_t n = std::min(e.scharanzahl, max_schritte);
    const long double h = std::fabs(e.scharschritt - e.scharvon) / n;
    if (!std::isfinite(h) || !std::isfinite(e.scharvon)) return;
    punktzahl_ = 0;
    Segmentregel regel([this](Tpunkt a, Tpunkt b) { streckeanfuegen(a, b); });
    for (std::int32_t k = 0; k <= n; ++k) {
        const long double t = e.scharvon + k * h;
        long double x = 0, y = 0;
        const bool ok = fx.funktionsberechnung(t, x) && fy.funktionsberechnung(t, y) &&
                        v_.xmin <= x && x <= v_.xmax && im_ybereich(y);
        regel.punkt(ok, ok ? Tpunkt{xpunkt(x), ypunkt(y)} : Tpunkt{});
    }
    linienzugabschliessen();
}

void Tfktachsen::tabellenkurve() {
    const std::string& name = aktuell->name;
    std::string pfad = name;
    std::error_code fehler;
    if (!std::filesystem::exists(pfad, fehler)) {
        // A path from another machine: try the bare file name.
        const std::size_t trenner = pfad.find_last_of("\\:");
        if (trenner != std::string::npos) pfad = pfad.substr(trenner + 1);
    }
    const Tabellenpunkte* gelesen = tabelle(pfad);
    if (gelesen == nullptr) {
        melde(grafiktexte::tabelle_fehlt(name));
        return;
    }
    const Tabellenpunkte& t = *gelesen;
    if (t.fehler == Tabellenpunkte::kein_tabulator) {
        melde(grafiktexte::tabelle_ohne_tabulator(pfad, t.zeile));
        return;
    }
    if (t.fehler == Tabellenpunkte::keine_zahl) {
        melde(grafiktexte::tabelle_falsche_zahl(pfad, t.zeile));
        return;
    }
    if (!punkte_buchen(static_cast<long long>(t.punkte.size()))) return;
    Segmentregel regel([this](Tpunkt a, Tpunkt b) { streckeanfuegen(a, b); });
    for (const Tabellenpunkt& p : t.punkte) {
        const bool ok = v_.xmin <= p.x && p.x <= v_.xmax && im_ybereich(p.y);
        regel.punkt(ok, ok ? Tpunkt{xpunkt(p.x), ypunkt(p.y)} : Tpunkt{});
    }
    linienzugabschliessen();
}

const Tabellenpunkte* Tfktachsen::tabelle(const std::string& pfad) {
    auto it = tabellen_.find(pfad);
    if (it == tabellen_.end()) {
        ++gelesene_tabellen_;
        const Textdatei datei = textdatei_lesen(pfad);
        std::unique_ptr<Tabellenpunkte> punkte;
        if (datei.fehler == Lesefehler::keiner)
            punkte = std::make_unique<Tabellenpunkte>(tabellenpunkte(datei.zeilen));
        it = tabellen_.emplace(pfad, std::move(punkte)).first;
    }
    return it->second.get();
}

// A run continues while each segment starts where the last one ended; a full buffer becomes a
// polyline and the run goes on from its last segment.
void Tfktachsen::streckeanfuegen(Tpunkt a, Tpunkt b) {
    if (punktzahl_ > 0 && a == puffer_[static_cast<std::size_t>(punktzahl_ - 1)]) {
        puffer_[static_cast<std::size_t>(punktzahl_++)] = b;
    } else {
        linienzugabschliessen();
        puffer_[0] = a;
        puffer_[1] = b;
        punktzahl_ = 2;
    }
    if (punktzahl_ > 999) {
        linienzugabschliessen();
        puffer_[0] = a;
        puffer_[1] = b;
        punktzahl_ = 2;
    }
}

void Tfktachsen::linienzugabschliessen() {
    if (punktzahl_ <= 0) return;
    Tpolyline& zug = liste_.neu<Tpolyline>();
    zug.setze_punkte(std::span<const Tpunkt>(puffer_.data(), static_cast<std::size_t>(punktzahl_)));
    zug.stift = Tstift{aktuell->farbe, aktuell->breite, aktuell->stil};
    punktzahl_ = 0;
}

} // namespace zol
