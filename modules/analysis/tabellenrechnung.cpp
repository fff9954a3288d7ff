#include "modules/analysis/tabellenrechnung.h"

#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "engine/meldung.h"
#include "engine/zahlformat.h"
#include "engine/zahlwert.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <queue>
#include <unordered_map>

namespace zol {

namespace {

// The sheet reports nothing while it computes: a refused formula just shows its text.
class Stumm {
public:
    Stumm() : vorher_(setze_meldungsempfaenger(nullptr)) {}
    ~Stumm() { setze_meldungsempfaenger(std::move(vorher_)); }
    Stumm(const Stumm&) = delete;
    Stumm& operator=(const Stumm&) = delete;

private:
    Meldungsempfaenger vorher_;
};

constexpr std::string_view summe_anfang = "=SUMME(";

// Numbers may be typed with the comma or the point ("2,5" and "2.5" are both two and a half);
// zahltext is the number as the formula language writes it.
bool zahl_lesen(const std::string& t, std::string& zahltext) {
    long double wert = 0;
    std::string s = t;
    if (!zahlwert(s, wert)) {
        std::replace(s.begin(), s.end(), '.', ',');
        if (!zahlwert(s, wert)) return false;
    }
    // The formula language has no unary plus.
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    zahltext = std::move(s);
    return true;
}

bool ist_summe(const std::string& t) {
    return t.starts_with(summe_anfang) && t.find(')') == t.size() - 1;
}

// Text as typed, blanks removed and upper-cased, as every rule reads it.
std::string normiert(std::string_view eingabe) {
    return gross(leerzeichenweg(eingabe));
}

// name=term into the table. With a cell name before "=" and a term after it this is always a
// definition, never a line to evaluate, so it goes to the table's definition directly.
bool definieren(Tfktbaum& baum, const std::string& name, const std::string& term) {
    if (term.empty()) return false;
    std::string text;
    text.reserve(name.size() + 1 + term.size());
    text += name;
    text += '=';
    text += term;
    return baum.definiere(text);
}

// The value of a cell just defined: its own program, run directly.
bool abfragen(Tfktbaum& baum, const std::string& name, long double& wert) {
    return baum.fktberechnen(name, 0, wert);
}

// A cell reference that lies inside the sheet.
bool im_blatt(const Tabellenzugriff& blatt, int spalte, int zeile) {
    return spalte >= 1 && zeile >= 1 && spalte < blatt.spalten() && zeile < blatt.zeilen();
}

// Defines the cell as term and shows its value, or its input text when that fails.
Zellergebnis term_zeigen(Tfktbaum& baum, Tabellenzugriff& blatt, int spalte, int zeile,
                         const std::string& name, const std::string& term,
                         const std::string& eingabe, std::string_view bild, Zellart art) {
    Zellergebnis e;
    e.art = art;
    e.definiert = definieren(baum, name, term);
    long double wert = 0;
    if (e.definiert && abfragen(baum, name, wert))
        blatt.setzeAnzeige(spalte, zeile, format(bild, wert));
    else
        blatt.setzeAnzeige(spalte, zeile, eingabe);
    return e;
}

Zellergebnis summe_rechnen(Tfktbaum& baum, Tabellenzugriff& blatt, int spalte, int zeile,
                           const std::string& name, const std::string& t,
                           const std::string& eingabe, std::string_view bild) {
    Zellergebnis e;
    e.art = Zellart::summe;
    e.unveraendert = true;
    Zellbereich b;
    const std::string bereich = t.substr(summe_anfang.size(), t.size() - summe_anfang.size() - 1);
    if (!bereich_lesen(bereich, b) || !im_blatt(blatt, b.links, b.oben) ||
        !im_blatt(blatt, b.rechts, b.unten))
        return e;
    if (b.enthaelt(spalte, zeile)) {
        // A sum over itself would add its own last value again on every sweep.
        e.unveraendert = false;
        blatt.setzeAnzeige(spalte, zeile, eingabe);
        return e;
    }
    long double summe = 0;
    for (int r = b.oben; r <= b.unten; ++r) {
        for (int c = b.links; c <= b.rechts; ++c) {
            const std::string text = blatt.anzeige(c, r);
            // An empty cell counts as nothing; anything else must be a number.
            if (ist_leer(text)) continue;
            long double wert = 0;
            if (!zahlwert(leerzeichenweg(text), wert)) return e;
            summe += wert;
        }
    }
    if (!std::isfinite(summe)) return e;
    e.unveraendert = false;
    const std::string gezeigt = format(bild, summe);
    blatt.setzeAnzeige(spalte, zeile, gezeigt);
    // The cell stands for the shown value; a picture with text in it cannot be read back, so
    // the plain value stands in then.
    e.definiert = definieren(baum, name, leerzeichenweg(gezeigt)) ||
                  definieren(baum, name, allgemeinformat(summe));
    return e;
}

// The cell with its input as typed and as the rules read it.
Zellergebnis rechnen(Tfktbaum& baum, Tabellenzugriff& blatt, int spalte, int zeile,
                     const std::string& eingabe, const std::string& t, std::string_view bild) {
    Zellergebnis e;
    if (t.empty()) return e;
    const std::string name = zellname(spalte, zeile);
    if (name.empty()) return e;

    std::string zahltext;
    if (zahl_lesen(t, zahltext))
        return term_zeigen(baum, blatt, spalte, zeile, name, zahltext, eingabe, bild,
                           Zellart::zahl);
    if (ist_summe(t)) return summe_rechnen(baum, blatt, spalte, zeile, name, t, eingabe, bild);
    if (t.front() == '=')
        return term_zeigen(baum, blatt, spalte, zeile, name, t.substr(1), eingabe, bild,
                           Zellart::formel);
    if (t.back() == '=')
        return term_zeigen(baum, blatt, spalte, zeile, name, t.substr(0, t.size() - 1), eingabe,
                           bild, Zellart::rechnung);

    // Free text, or a definition for the table (f(x)=x^2): handed over as it is.
    e.art = Zellart::text;
    std::string text = t;
    long double wert = 0;
    const bool ok = baum.untersuche(text, wert);
    std::string n, rechts, variable;
    e.definiert =
        ok && Tfktbaum::aufspalten(t, n, rechts, variable) && n == name && !rechts.empty();
    blatt.setzeAnzeige(spalte, zeile, eingabe);
    return e;
}

Zellergebnis rechnen(Tfktbaum& baum, Tabellenzugriff& blatt, int spalte, int zeile,
                     std::string_view bild) {
    const std::string eingabe = blatt.eingabe(spalte, zeile);
    return rechnen(baum, blatt, spalte, zeile, eingabe, normiert(eingabe), bild);
}

struct Rechenzelle {
    int spalte, zeile;
    std::string eingabe, text; // as typed, and as the rules read it
};

// The cells with something to compute, in the order they are computed.
std::vector<Rechenzelle> rechenzellen(const Tabellenzugriff& blatt);

} // namespace

std::string zellname(int spalte, int zeile) {
    const std::string buchstaben = spaltenname(spalte);
    if (buchstaben.empty() || zeile < 1) return {};
    return buchstaben + std::to_string(zeile);
}

bool bereich_lesen(std::string_view text, Zellbereich& bereich) {
    const std::size_t doppelpunkt = text.find(':');
    if (doppelpunkt == std::string_view::npos) return false;
    Zellbereich b;
    if (!zellbezug(text.substr(0, doppelpunkt), b.links, b.oben) ||
        !zellbezug(text.substr(doppelpunkt + 1), b.rechts, b.unten))
        return false;
    bereich = b;
    return true;
}

Tabellenblatt::Tabellenblatt(int zeilen, int spalten)
    : zeilen_(std::max(zeilen, 1)), spalten_(std::max(spalten, 1)),
      eingaben_(static_cast<std::size_t>(zeilen_) * static_cast<std::size_t>(spalten_)),
      anzeigen_(eingaben_.size()) {}

std::size_t Tabellenblatt::stelle(int spalte, int zeile) const {
    return static_cast<std::size_t>(zeile) * static_cast<std::size_t>(spalten_) +
           static_cast<std::size_t>(spalte);
}

std::string Tabellenblatt::eingabe(int spalte, int zeile) const {
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_) return {};
    return eingaben_[stelle(spalte, zeile)];
}

std::string Tabellenblatt::anzeige(int spalte, int zeile) const {
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_) return {};
    return anzeigen_[stelle(spalte, zeile)];
}

void Tabellenblatt::setzeAnzeige(int spalte, int zeile, const std::string& text) {
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_) return;
    anzeigen_[stelle(spalte, zeile)] = text;
}

void Tabellenblatt::setzeEingabe(int spalte, int zeile, const std::string& text) {
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_) return;
    eingaben_[stelle(spalte, zeile)] = text;
    anzeigen_[stelle(spalte, zeile)] = text;
}

bool ist_leer(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

Zellart zellart(std::string_view eingabe) {
    const std::string t = normiert(eingabe);
    std::string zahltext;
    if (t.empty()) return Zellart::leer;
    if (zahl_lesen(t, zahltext)) return Zellart::zahl;
    if (ist_summe(t)) return Zellart::summe;
    if (t.front() == '=') return Zellart::formel;
    if (t.back() == '=') return Zellart::rechnung;
    return Zellart::text;
}

Zellergebnis zelle_rechnen(Tfktbaum& baum, Tabellenzugriff& blatt, int spalte, int zeile,
                           std::string_view format) {
    Stumm stumm;
    if (!im_blatt(blatt, spalte, zeile)) return {};
    return rechnen(baum, blatt, spalte, zeile, format);
}

namespace {

// Names to cells: a cell's own name by its place (no text per cell), and the names that
// definitions in text cells introduce (f(x)=x^2, K=5) by text. When a name has both, the cell
// that comes first in row order holds it.
class Namenverzeichnis {
public:
    Namenverzeichnis(int zeilen, int spalten)
        : zeilen_(zeilen), spalten_(spalten),
          zellen_(static_cast<std::size_t>(zeilen) * static_cast<std::size_t>(spalten), -1) {}

    void zelle(int spalte, int zeile, int i) { zellen_[stelle(spalte, zeile)] = i; }
    void definition(std::string name, int i) { definitionen_.emplace(std::move(name), i); }

    // The cell a name in a formula stands for, or -1.
    int finden(std::string_view name) const {
        int spalte = 0, zeile = 0;
        int i = -1;
        // Only the way cells are written counts as a cell's name: "A01" is not A1.
        if (zellbezug(name, spalte, zeile) && im(spalte, zeile) &&
            name[name.find_first_of("0123456789")] != '0')
            i = zellen_[stelle(spalte, zeile)];
        return frueher(i, definiert(name));
    }
    int finden(int spalte, int zeile) const {
        if (!im(spalte, zeile)) return -1;
        const int i = zellen_[stelle(spalte, zeile)];
        return definitionen_.empty() ? i : frueher(i, definiert(zellname(spalte, zeile)));
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::size_t stelle(int spalte, int zeile) const {
        return static_cast<std::size_t>(zeile) * static_cast<std::size_t>(spalten_) +
               static_cast<std::size_t>(spalte);
    }
    bool im(int spalte, int zeile) const {
        return spalte >= 1 && zeile >= 1 && spalte < spalten_ && zeile < zeilen_;
    }
    int definiert(std::string_view name) const {
        if (definitionen_.empty()) return -1;
        const auto it = definitionen_.find(name);
        return it == definitionen_.end() ? -1 : it->second;
    }
    static int frueher(int a, int b) { return a < 0 ? b : b < 0 ? a : std::min(a, b); }

    int zeilen_, spalten_;
    std::vector<int> zellen_;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> definitionen_;
};

std::vector<Rechenzelle> rechenzellen(const Tabellenzugriff& blatt) {
    // The cells with something to compute, in row order, and the names they give the table:
    // their own, and the name a definition such as f(x)=x^2 or K=5 in a text cell introduces.
    using Eintrag = Rechenzelle;
    std::vector<Eintrag> zellen;
    Namenverzeichnis namen(blatt.zeilen(), blatt.spalten());
    const std::size_t flaeche =
        static_cast<std::size_t>(blatt.zeilen()) * static_cast<std::size_t>(blatt.spalten());
    zellen.reserve(flaeche);
    for (int r = 1; r < blatt.zeilen(); ++r)
        for (int c = 1; c < blatt.spalten(); ++c) {
            std::string eingabe = blatt.eingabe(c, r);
            std::string t = normiert(eingabe);
            if (t.empty()) continue;
            const int i = static_cast<int>(zellen.size());
            namen.zelle(c, r, i);
            if (zellart(t) == Zellart::text) {
                std::string n, rechts, variable;
                if (Tfktbaum::aufspalten(t, n, rechts, variable) && !rechts.empty())
                    namen.definition(std::move(n), i);
            }
            zellen.push_back({c, r, std::move(eingabe), std::move(t)});
        }

    // Who uses whom: every name in a cell's text, every cell of a summed range.
    const int n = static_cast<int>(zellen.size());
    std::vector<std::vector<int>> nutzer(static_cast<std::size_t>(n));
    std::vector<int> offen(static_cast<std::size_t>(n), 0);
    // Sums over huge ranges in many cells could ask for billions of links: beyond a bound the
    // cells are simply taken in row order (what does not settle then shows its text).
    constexpr std::size_t max_kanten = 20'000'000;
    std::size_t kanten = 0;
    auto kante = [&](int von, int nach) {
        if (von == nach || kanten >= max_kanten) return;
        ++kanten;
        nutzer[static_cast<std::size_t>(von)].push_back(nach);
        ++offen[static_cast<std::size_t>(nach)];
    };
    for (int i = 0; i < n && kanten < max_kanten; ++i) {
        const std::string& t = zellen[static_cast<std::size_t>(i)].text;
        if (ist_summe(t)) {
            Zellbereich b;
            const std::string bereich =
                t.substr(summe_anfang.size(), t.size() - summe_anfang.size() - 1);
            if (bereich_lesen(bereich, b))
                for (int r = std::max(b.oben, 1);
                     r <= std::min(b.unten, blatt.zeilen() - 1) && kanten < max_kanten; ++r)
                    for (int c = std::max(b.links, 1); c <= std::min(b.rechts, blatt.spalten() - 1);
                         ++c)
                        if (const int j = namen.finden(c, r); j >= 0) kante(j, i);
            continue;
        }
        for (std::size_t p = 0; p < t.size();) {
            if (!std::isalpha(static_cast<unsigned char>(t[p]))) {
                ++p;
                continue;
            }
            std::size_t e = p;
            while (e < t.size() && std::isalnum(static_cast<unsigned char>(t[e])))
                ++e;
            if (const int j = namen.finden(std::string_view(t).substr(p, e - p)); j >= 0)
                kante(j, i);
            p = e;
        }
    }

    if (kanten >= max_kanten) return zellen;
    // Each cell after all it uses; among those that are ready, row order. Cells in a cycle, or
    // using one, come last in row order and fail there as they always did.
    std::vector<Rechenzelle> folge;
    folge.reserve(static_cast<std::size_t>(n));
    std::vector<char> erledigt(static_cast<std::size_t>(n), 0);
    std::priority_queue<int, std::vector<int>, std::greater<int>> bereit;
    for (int i = 0; i < n; ++i)
        if (offen[static_cast<std::size_t>(i)] == 0) bereit.push(i);
    while (!bereit.empty()) {
        const int i = bereit.top();
        bereit.pop();
        erledigt[static_cast<std::size_t>(i)] = 1;
        folge.push_back(std::move(zellen[static_cast<std::size_t>(i)]));
        for (const int j : nutzer[static_cast<std::size_t>(i)])
            if (--offen[static_cast<std::size_t>(j)] == 0) bereit.push(j);
    }
    for (int i = 0; i < n; ++i)
        if (!erledigt[static_cast<std::size_t>(i)])
            folge.push_back(std::move(zellen[static_cast<std::size_t>(i)]));
    return folge;
}

} // namespace

void blatt_rechnen(Tfktbaum& baum, Tabellenzugriff& blatt, std::string_view format) {
    Stumm stumm;
    baum.alle_loeschen();
    const std::vector<Rechenzelle> folge = rechenzellen(blatt);
    baum.reservieren(folge.size());
    for (const Rechenzelle& z : folge)
        rechnen(baum, blatt, z.spalte, z.zeile, z.eingabe, z.text, format);
}

void formeln_anzeigen(Tabellenzugriff& blatt) {
    for (int r = 1; r < blatt.zeilen(); ++r) {
        for (int c = 1; c < blatt.spalten(); ++c) {
            const std::string e = blatt.eingabe(c, r);
            if (!ist_leer(e)) blatt.setzeAnzeige(c, r, e);
        }
    }
}

Einfuegeplan einfuegen_planen(std::string_view text, int links, int oben, int zeilen, int spalten,
                              bool wachsen) {
    Einfuegeplan plan;
    plan.zeilen = zeilen;
    plan.spalten = spalten;
    std::vector<std::string_view> zeilentexte;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        const std::size_t ende = text.find('\n', anfang);
        if (ende == std::string_view::npos) {
            zeilentexte.push_back(text.substr(anfang));
            break;
        }
        zeilentexte.push_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    // A final line break does not start another line.
    if (!zeilentexte.empty() && zeilentexte.back().empty()) zeilentexte.pop_back();

    for (std::size_t i = 0; i < zeilentexte.size(); ++i) {
        std::string_view zeile = zeilentexte[i];
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        const int r = oben + static_cast<int>(i);
        if (r >= plan.zeilen) {
            if (!wachsen) break;
            plan.zeilen = r + 1;
        }
        std::size_t feldanfang = 0;
        for (int j = 0;; ++j) {
            const std::size_t tab = zeile.find('\t', feldanfang);
            const std::string_view feld =
                zeile.substr(feldanfang, tab == std::string_view::npos ? std::string_view::npos
                                                                       : tab - feldanfang);
            const int c = links + j;
            if (c >= plan.spalten) {
                if (!wachsen || c >= max_spalten) break;
                plan.spalten = c + 1;
            }
            plan.felder.push_back({c, r, std::string(feld)});
            if (tab == std::string_view::npos) break;
            feldanfang = tab + 1;
        }
    }
    return plan;
}

std::string zeichnen_pruefen(const Zellbereich& auswahl) {
    const int zeilen = auswahl.unten - auswahl.oben + 1;
    const int spalten = auswahl.rechts - auswahl.links + 1;
    if (zeilen <= 1 || spalten <= 1) return "Sie müssen zuerst Werte markieren!";
    if (spalten != 2) return "Es müssen genau 2 Spalten markiert werden.";
    return {};
}

int zoomfaktor(int schriftgroesse, bool groesser) {
    if (groesser) return schriftgroesse < 30 ? 12 : 0;
    return schriftgroesse > 6 ? 8 : 0;
}

} // namespace zol
