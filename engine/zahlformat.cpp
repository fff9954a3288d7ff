#include "engine/zahlformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace zol {

namespace {

// Enough significant digits to carry an 80-bit long double without its last-bit noise.
constexpr long long signifikante_ziffern = 18;
// Fixed pictures hand over to the general form from 10^18 on.
constexpr long long max_ganzziffern = 18;
// The general form rounds to this many significant digits.
constexpr long long allgemeine_ziffern = 15;
// Exponent digits a picture can force (more '0' only mean no more padding).
constexpr long long max_exponent_mindest = 4;

// A decimal number z0,z1z2... * 10^exp without trailing zeros; no digits means zero.
struct Dezimal {
    std::string ziffern;
    long long exp = 0;
};

char ziffer(const Dezimal& d, long long i) {
    if (i < 0 || i >= static_cast<long long>(d.ziffern.size())) return '0';
    return d.ziffern[static_cast<std::size_t>(i)];
}

void nullen_kuerzen(Dezimal& d) {
    while (!d.ziffern.empty() && d.ziffern.back() == '0')
        d.ziffern.pop_back();
    if (d.ziffern.empty()) d.exp = 0;
}

// The 18 significant digits of |wert|; wert must be finite.
Dezimal zerlegen(long double wert) {
    Dezimal d;
    if (wert == 0) return d;
    char puffer[64];
    // Whole numbers of up to 18 digits are exact in the format, and common (counts, table
    // rows): their digits come straight from the integer, which is far cheaper than the
    // general conversion of an extended value and gives the same digits.
    if (const long double betrag = std::fabs(wert);
        betrag < 1e18L && betrag == std::floor(betrag)) {
        const auto [ende, fehler] =
            std::to_chars(puffer, puffer + sizeof puffer, static_cast<unsigned long long>(betrag));
        if (fehler == std::errc()) {
            d.ziffern.assign(puffer, ende);
            d.exp = static_cast<long long>(ende - puffer) - 1;
            nullen_kuerzen(d);
            return d;
        }
    }
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                      std::chars_format::scientific, static_cast<int>(signifikante_ziffern - 1));
    if (fehler != std::errc()) return d;
    const char* p = puffer;
    for (; p != ende && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.ziffern += *p;
    if (p != ende) ++p;
    bool negativ = false;
    if (p != ende && (*p == '+' || *p == '-')) negativ = *p++ == '-';
    long long e = 0;
    for (; p != ende; ++p)
        e = e * 10 + (*p - '0');
    d.exp = negativ ? -e : e;
    nullen_kuerzen(d);
    return d;
}

// Keeps `stellen` significant digits, rounding half away from zero on the digit string.
Dezimal runden(Dezimal d, long long stellen) {
    if (d.ziffern.empty() || stellen >= static_cast<long long>(d.ziffern.size())) return d;
    if (stellen < 0) return {};
    const bool auf = d.ziffern[static_cast<std::size_t>(stellen)] >= '5';
    d.ziffern.resize(static_cast<std::size_t>(stellen));
    if (auf) {
        long long i = stellen - 1;
        while (i >= 0 && d.ziffern[static_cast<std::size_t>(i)] == '9')
            d.ziffern[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            d.ziffern.insert(d.ziffern.begin(), '1');
            ++d.exp;
        } else {
            ++d.ziffern[static_cast<std::size_t>(i)];
        }
    }
    nullen_kuerzen(d);
    return d;
}

std::string ganzzahl_text(long long n) {
    char puffer[24];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, n);
    return fehler == std::errc() ? std::string(puffer, ende) : std::string();
}

enum class Art { text, ganz, punkt, bruch, exponent };

struct Element {
    Art art;
    std::string text; // only for Art::text
};

struct Abschnitt {
    std::vector<Element> elemente;
    long long ganzstellen = 0;
    long long erste_null = -1; // leftmost '0' among the integer positions
    long long bruchstellen = 0;
    long long bruch_pflicht = 0; // decimals up to the rightmost '0'
    bool ganz_virtuell = false;  // no integer position written; one '#' stands in
    bool gruppieren = false;
    bool wissenschaftlich = false;
    char exp_buchstabe = 'E';
    bool exp_plus = false;
    long long exp_mindest = 0;
};

void text_anhaengen(Abschnitt& a, std::string_view text) {
    if (text.empty()) return;
    if (a.elemente.empty() || a.elemente.back().art != Art::text)
        a.elemente.push_back({Art::text, {}});
    a.elemente.back().text += text;
}

Abschnitt lesen(std::string_view bild) {
    Abschnitt a;
    bool punkt = false;
    bool nach_exponent = false;
    std::size_t i = 0;
    while (i < bild.size()) {
        const char c = bild[i];
        if (c == '\'' || c == '"') {
            std::size_t ende = bild.find(c, i + 1);
            if (ende == std::string_view::npos) ende = bild.size();
            text_anhaengen(a, bild.substr(i + 1, ende - i - 1));
            i = ende + 1;
            continue;
        }
        ++i;
        if (c == ',') {
            a.gruppieren = true;
        } else if (nach_exponent) {
            text_anhaengen(a, std::string_view(&c, 1));
        } else if (c == '0' || c == '#') {
            if (punkt) {
                a.elemente.push_back({Art::bruch, {}});
                ++a.bruchstellen;
                if (c == '0') a.bruch_pflicht = a.bruchstellen;
            } else {
                a.elemente.push_back({Art::ganz, {}});
                if (c == '0' && a.erste_null < 0) a.erste_null = a.ganzstellen;
                ++a.ganzstellen;
            }
        } else if (c == '.') {
            if (!punkt) a.elemente.push_back({Art::punkt, {}});
            punkt = true;
        } else if ((c == 'E' || c == 'e') && i < bild.size() &&
                   (bild[i] == '+' || bild[i] == '-')) {
            a.wissenschaftlich = true;
            a.exp_buchstabe = c;
            a.exp_plus = bild[i] == '+';
            a.elemente.push_back({Art::exponent, {}});
            for (++i; i < bild.size() && (bild[i] == '0' || bild[i] == '#'); ++i)
                if (bild[i] == '0' && a.exp_mindest < max_exponent_mindest) ++a.exp_mindest;
            nach_exponent = true;
        } else {
            text_anhaengen(a, std::string_view(&c, 1));
        }
    }
    // Without integer positions the integer digits go in front of the point or the exponent.
    if (a.ganzstellen == 0) {
        for (std::size_t k = 0; k < a.elemente.size(); ++k) {
            const Art art = a.elemente[k].art;
            if (art == Art::punkt || art == Art::exponent) {
                a.elemente.insert(a.elemente.begin() + static_cast<std::ptrdiff_t>(k),
                                  {Art::ganz, {}});
                a.ganzstellen = 1;
                a.ganz_virtuell = true;
                break;
            }
        }
    }
    return a;
}

// Whether |wert| shows as zero under the section's rounding.
bool rundet_zu_null(const Abschnitt& a, long double wert) {
    const Dezimal x = zerlegen(wert);
    if (a.wissenschaftlich) return x.ziffern.empty();
    return runden(x, x.exp + 1 + a.bruchstellen).ziffern.empty();
}

// minus: the section does not show the sign itself, so a minus goes in front.
std::string ausgeben(const Abschnitt& a, long double wert, bool minus) {
    const Dezimal x = zerlegen(wert);
    std::string ganz;  // integer digits, already padded to the positions always printed
    std::string bruch; // all decimal digits
    std::string exponent;
    bool nicht_null = false;
    // Integer positions from the leftmost '0' on are always printed.
    const long long pflicht = a.erste_null < 0 ? 0 : a.ganzstellen - a.erste_null;
    if (a.wissenschaftlich) {
        // The mantissa needs at least one digit somewhere.
        const long long k = a.ganz_virtuell && a.bruchstellen > 0 ? 0 : a.ganzstellen;
        const Dezimal r = runden(x, k + a.bruchstellen);
        nicht_null = !r.ziffern.empty();
        if (nicht_null) {
            for (long long i = 0; i < k; ++i)
                ganz += ziffer(r, i);
        } else if (k > 0) {
            // Zero has no significant digit: '#' positions stay empty, but one 0 is shown.
            ganz.assign(static_cast<std::size_t>(std::max(pflicht, 1LL)), '0');
        }
        for (long long j = 0; j < a.bruchstellen; ++j)
            bruch += ziffer(r, k + j);
        const long long e10 = nicht_null ? r.exp - k + 1 : 0;
        exponent += a.exp_buchstabe;
        if (e10 < 0)
            exponent += '-';
        else if (a.exp_plus)
            exponent += '+';
        const std::string ziffern = ganzzahl_text(e10 < 0 ? -e10 : e10);
        for (long long n = static_cast<long long>(ziffern.size()); n < a.exp_mindest; ++n)
            exponent += '0';
        exponent += ziffern;
    } else {
        const Dezimal r = runden(x, x.exp + 1 + a.bruchstellen);
        nicht_null = !r.ziffern.empty();
        if (nicht_null && r.exp >= max_ganzziffern) return allgemeinformat(wert);
        if (nicht_null)
            for (long long i = 0; i <= r.exp; ++i)
                ganz += ziffer(r, i);
        for (long long j = 1; j <= a.bruchstellen; ++j)
            bruch += ziffer(r, (nicht_null ? r.exp : 0) + j);
        if (static_cast<long long>(ganz.size()) < pflicht)
            ganz.insert(0, static_cast<std::size_t>(pflicht) - ganz.size(), '0');
    }

    long long bruch_gedruckt = a.bruch_pflicht;
    for (long long j = static_cast<long long>(bruch.size()); j > bruch_gedruckt; --j)
        if (bruch[static_cast<std::size_t>(j - 1)] != '0') {
            bruch_gedruckt = j;
            break;
        }

    const bool gruppieren = a.gruppieren && !a.wissenschaftlich;
    const long long laenge = static_cast<long long>(ganz.size());
    std::string aus;
    if (minus && nicht_null) aus += '-';
    auto ganzziffer = [&](long long stelle) { // stelle: place value counted from the right
        aus += ganz[static_cast<std::size_t>(laenge - 1 - stelle)];
        if (gruppieren && stelle > 0 && stelle % 3 == 0) aus += tausenderzeichen;
    };
    long long pos = 0;
    long long bpos = 0;
    for (const Element& e : a.elemente) {
        switch (e.art) {
        case Art::text:
            aus += e.text;
            break;
        case Art::ganz: {
            if (pos == 0)
                for (long long s = laenge - 1; s >= a.ganzstellen; --s)
                    ganzziffer(s);
            const long long stelle = a.ganzstellen - 1 - pos++;
            if (stelle < laenge) ganzziffer(stelle);
            break;
        }
        case Art::punkt:
            if (bruch_gedruckt > 0) aus += dezimalzeichen;
            break;
        case Art::bruch:
            if (bpos < bruch_gedruckt) aus += bruch[static_cast<std::size_t>(bpos)];
            ++bpos;
            break;
        case Art::exponent:
            aus += exponent;
            break;
        }
    }
    return aus;
}

std::array<std::string_view, 3> abschnitte(std::string_view bild) {
    std::array<std::string_view, 3> teile{};
    std::size_t n = 0;
    std::size_t anfang = 0;
    char zitat = 0;
    for (std::size_t i = 0; i < bild.size(); ++i) {
        const char c = bild[i];
        if (zitat != 0) {
            if (c == zitat) zitat = 0;
        } else if (c == '\'' || c == '"') {
            zitat = c;
        } else if (c == ';') {
            teile[n++] = bild.substr(anfang, i - anfang);
            anfang = i + 1;
            if (n == teile.size()) return teile; // further sections are ignored
        }
    }
    teile[n] = bild.substr(anfang);
    return teile;
}

} // namespace

std::string format(std::string_view bild, long double wert) {
    if (!std::isfinite(wert)) return allgemeinformat(wert);
    if (bild.empty()) return allgemeinformat(wert);
    const auto teile = abschnitte(bild);
    if (teile[0].empty()) {
        // No first section: the general form, unless a negative section is written.
        if (wert < 0 && !teile[1].empty()) return ausgeben(lesen(teile[1]), wert, false);
        if (wert == 0 && !teile[2].empty()) return ausgeben(lesen(teile[2]), 0, false);
        return allgemeinformat(wert);
    }
    const Abschnitt erster = lesen(teile[0]);
    if (rundet_zu_null(erster, wert)) {
        // The zero section shows an exact zero, so no minus sign and no leftover digits.
        if (teile[2].empty()) return ausgeben(erster, 0, false);
        return ausgeben(lesen(teile[2]), 0, false);
    }
    if (wert < 0) {
        if (teile[1].empty()) return ausgeben(erster, wert, true);
        return ausgeben(lesen(teile[1]), wert, false);
    }
    return ausgeben(erster, wert, false);
}

std::string allgemeinformat(long double wert) {
    if (std::isnan(wert)) return "NAN";
    if (std::isinf(wert)) return wert < 0 ? "-INF" : "INF";
    if (wert == 0) return "0";
    const Dezimal r = runden(zerlegen(wert), allgemeine_ziffern);
    const long long n = static_cast<long long>(r.ziffern.size());
    std::string aus = wert < 0 ? "-" : "";
    if (r.exp >= -5 && r.exp < allgemeine_ziffern) {
        if (r.exp >= 0) {
            for (long long i = 0; i <= r.exp; ++i)
                aus += ziffer(r, i);
            if (n > r.exp + 1) {
                aus += dezimalzeichen;
                aus.append(r.ziffern, static_cast<std::size_t>(r.exp + 1));
            }
        } else {
            aus += '0';
            aus += dezimalzeichen;
            aus.append(static_cast<std::size_t>(-r.exp - 1), '0');
            aus += r.ziffern;
        }
    } else {
        aus += r.ziffern[0];
        if (n > 1) {
            aus += dezimalzeichen;
            aus.append(r.ziffern, 1);
        }
        aus += 'E';
        aus += ganzzahl_text(r.exp);
    }
    return aus;
}

} // namespace zol
