#include "engine/rechnen.h"
#include "engine/hilfen.h"
#include "engine/zahlformat.h"

namespace zol {

namespace {

// Compares ASCII letters without regard to case; other bytes (umlauts in UTF-8) exactly.
bool gleich_ohne_gross(std::string_view a, std::string_view b) {
    return a.size() == b.size() && gross(a) == gross(b);
}

bool ist_kommentar_oder_leer(const std::string& t) {
    return t.empty() || t[0] == ';';
}

} // namespace

std::vector<std::string> formeltexte(const Tfktbaum& baum) {
    std::vector<std::string> r;
    r.reserve(static_cast<std::size_t>(baum.anzahl()));
    for (int i = 0; i < baum.anzahl(); ++i)
        r.push_back(baum.eintrag(i));
    return r;
}

Direktergebnis direktzeile(Tfktbaum& baum, std::string_view zeile, std::string_view bild) {
    Direktergebnis e;
    std::string t = leerzeichenweg(zeile);
    if (ist_kommentar_oder_leer(t)) return e;
    if (gleich_ohne_gross(t, "cls")) {
        e.art = Direktergebnis::Art::text_loeschen;
    } else if (gleich_ohne_gross(t, "zeige_fkt")) {
        e.art = Direktergebnis::Art::formeln_anhaengen;
        e.zeilen = formeltexte(baum);
    } else if (gleich_ohne_gross(t, "lösche_alle")) {
        baum.alle_loeschen();
        e.art = Direktergebnis::Art::alle_geloescht;
        e.meldung = rechentexte::alle_geloescht;
    } else {
        long double wert = 0;
        if (!baum.untersuche(t, wert)) {
            e.art = Direktergebnis::Art::ungueltig;
            e.meldung = rechentexte::ungueltig;
        } else if (!t.empty()) {
            e.art = Direktergebnis::Art::ergebnis;
            e.zeilen.push_back(format(bild, wert));
        } else {
            e.art = Direktergebnis::Art::aufgenommen;
            e.meldung = rechentexte::aufgenommen;
        }
    }
    return e;
}

Programmergebnis programmlauf(Tfktbaum& baum, const std::vector<std::string>& zeilen,
                              std::string_view bild) {
    Programmergebnis p;
    for (const std::string& zeile : zeilen) {
        std::string t = leerzeichenweg(zeile);
        if (ist_kommentar_oder_leer(t)) continue;
        constexpr std::string_view ausgabe = "AUSGABE(";
        if (t.size() > ausgabe.size() && gross(t.substr(0, ausgabe.size())) == ausgabe &&
            t.back() == ')') {
            const std::string ausdruck = t.substr(ausgabe.size(), t.size() - ausgabe.size() - 1);
            std::string anfrage = ausdruck + "=";
            long double wert = 0;
            if (baum.untersuche(anfrage, wert) && !anfrage.empty())
                p.ausgabe.push_back(";" + ausdruck + "=" + format(bild, wert));
            else {
                // The line stays as written; the run as a whole reports the failure.
                p.ausgabe.push_back(";" + ausdruck);
                p.fehler = true;
            }
            continue;
        }
        long double wert = 0;
        if (!baum.untersuche(t, wert) || !t.empty()) {
            p.ausgabe.push_back(std::string(rechentexte::fehler) + zeile);
            p.fehler = true;
        }
    }
    return p;
}

} // namespace zol
