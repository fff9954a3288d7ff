#include "modules/algebra/zahlensystemrechnung.h"

#include "modules/kern/ganzzahl.h"

#include <algorithm>
#include <limits>

namespace zol {

namespace {

constexpr std::int64_t groesste = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kleinste = std::numeric_limits<std::int32_t>::min();

std::string_view ohne_rand(std::string_view text) {
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && leer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && leer(text.back()))
        text.remove_suffix(1);
    return text;
}

// The value of a digit character, or -1.
int ziffernwert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool gueltige_basis(int basis) {
    return basis >= 2 && basis <= 16;
}

struct Muster {
    std::string_view text;
    int wert;
};

// One decimal place's patterns, longest first among those sharing a start; "" for the digit 0.
constexpr Muster tausender[] = {{"MMM", 3000}, {"MM", 2000}, {"M", 1000}, {"", 0}};
constexpr Muster kurz_drei[] = {{"IM", 999}, {"ID", 499}, {"XM", 990}, {"XD", 490}};
constexpr Muster hunderter[] = {{"CM", 900}, {"DCCC", 800}, {"DCC", 700}, {"DC", 600}, {"D", 500},
                                {"CD", 400}, {"CCC", 300},  {"CC", 200},  {"C", 100},  {"", 0}};
constexpr Muster kurz_zwei[] = {{"IC", 99}, {"IL", 49}};
constexpr Muster zehner[] = {{"XC", 90}, {"LXXX", 80}, {"LXX", 70}, {"LX", 60}, {"L", 50},
                             {"XL", 40}, {"XXX", 30},  {"XX", 20},  {"X", 10},  {"", 0}};
constexpr Muster einer[] = {{"IX", 9}, {"VIII", 8}, {"VII", 7}, {"VI", 6}, {"V", 5},
                            {"IV", 4}, {"III", 3},  {"II", 2},  {"I", 1},  {"", 0}};

bool beginnt_mit(std::string_view s, std::string_view anfang) {
    return s.substr(0, anfang.size()) == anfang;
}

// The value of the last two digits (short form, or tens then units), or -1.
int zwei_stellen(std::string_view s) {
    for (const Muster& k : kurz_zwei)
        if (s == k.text) return k.wert;
    for (const Muster& z : zehner) {
        if (!beginnt_mit(s, z.text)) continue;
        const std::string_view rest = s.substr(z.text.size());
        for (const Muster& e : einer)
            if (rest == e.text) return z.wert + e.wert;
    }
    return -1;
}

// The value of the last three digits, or -1.
int drei_stellen(std::string_view s) {
    for (const Muster& k : kurz_drei)
        if (s == k.text) return k.wert;
    for (const Muster& h : hunderter) {
        if (!beginnt_mit(s, h.text)) continue;
        const int rest = zwei_stellen(s.substr(h.text.size()));
        if (rest >= 0) return h.wert + rest;
    }
    return -1;
}

// The digit d (0 ... 9) with the symbols one, five and ten of its place.
void ziffer_schreiben(std::string& text, int d, char eins, char fuenf, char zehn) {
    if (d == 9) {
        text += eins;
        text += zehn;
        return;
    }
    if (d == 4) {
        text += eins;
        text += fuenf;
        return;
    }
    if (d >= 5) {
        text += fuenf;
        d -= 5;
    }
    text.append(static_cast<std::size_t>(d), eins);
}

} // namespace

int basis_von(Zahlensystem system, int basis) {
    switch (system) {
    case Zahlensystem::dezimal:
        return 10;
    case Zahlensystem::dual:
        return 2;
    case Zahlensystem::hexadezimal:
        return 16;
    case Zahlensystem::basis:
        return basis;
    case Zahlensystem::roemisch:
        break;
    }
    return 0;
}

bool basis_lesen(std::string_view text, int basis, std::int32_t& wert) {
    wert = 0;
    if (!gueltige_basis(basis)) return false;
    std::int64_t summe = 0;
    for (const char c : ohne_rand(text)) {
        const int d = ziffernwert(c);
        if (d < 0 || d >= basis) return false;
        summe = summe * basis + d;
        if (summe > groesste) return false;
    }
    wert = static_cast<std::int32_t>(summe);
    return true;
}

bool roemisch_lesen(std::string_view text, std::int32_t& wert) {
    wert = 0;
    std::string gross(ohne_rand(text));
    for (char& c : gross)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const std::string_view s(gross);
    for (const Muster& t : tausender) {
        if (!beginnt_mit(s, t.text)) continue;
        const int rest = drei_stellen(s.substr(t.text.size()));
        if (rest < 0) continue;
        if (t.wert + rest == 0) return false; // the empty text
        wert = t.wert + rest;
        return true;
    }
    return false;
}

std::int32_t zahl_lesen(std::string_view text, Zahlensystem system, int basis, Lesefehler& fehler) {
    std::int32_t wert = 0;
    if (system == Zahlensystem::roemisch) {
        fehler = roemisch_lesen(text, wert) ? Lesefehler::keiner : Lesefehler::ausdruck;
        return wert;
    }
    fehler = basis_lesen(text, basis_von(system, basis), wert) ? Lesefehler::keiner
                                                               : Lesefehler::eingabe;
    return wert;
}

std::string lesefehlertext(Lesefehler fehler) {
    switch (fehler) {
    case Lesefehler::eingabe:
        return "Fehlerhafte Eingabe";
    case Lesefehler::ausdruck:
        return "Fehlerhafter Ausdruck";
    case Lesefehler::keiner:
        break;
    }
    return {};
}

std::string basis_text(std::int64_t wert, int basis) {
    if (!gueltige_basis(basis)) return {};
    if (wert == 0) return "0";
    static constexpr char ziffern[] = "0123456789ABCDEF";
    // Through the unsigned magnitude, so the smallest 64-bit value has one too.
    std::uint64_t rest = wert < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(wert)
                                  : static_cast<std::uint64_t>(wert);
    std::string text;
    while (rest > 0) {
        text += ziffern[rest % static_cast<std::uint64_t>(basis)];
        rest /= static_cast<std::uint64_t>(basis);
    }
    if (wert < 0) text += '-';
    std::reverse(text.begin(), text.end());
    return text;
}

std::string roemisch_text(std::int64_t wert) {
    if (wert <= 0) return {};
    if (wert >= 4000) return "Zahl zu groß!";
    const int n = static_cast<int>(wert);
    std::string text(static_cast<std::size_t>(n / 1000), 'M');
    for (const Muster& k : kurz_drei)
        if (n % 1000 == k.wert) return text += k.text;
    ziffer_schreiben(text, n / 100 % 10, 'C', 'D', 'M');
    for (const Muster& k : kurz_zwei)
        if (n % 100 == k.wert) return text += k.text;
    ziffer_schreiben(text, n / 10 % 10, 'X', 'L', 'C');
    ziffer_schreiben(text, n % 10, 'I', 'V', 'X');
    return text;
}

std::string zahl_text(std::int64_t wert, Zahlensystem system, int basis) {
    if (system == Zahlensystem::roemisch) return roemisch_text(wert);
    return basis_text(wert, basis_von(system, basis));
}

std::string_view operatorzeichen(Rechenart art) {
    switch (art) {
    case Rechenart::plus:
        return "+";
    case Rechenart::minus:
        return "-";
    case Rechenart::mal:
        return "*";
    case Rechenart::geteilt:
        break;
    }
    return ":";
}

bool rechnen(Rechenart art, std::int32_t z1, std::int32_t z2, Rechenergebnis& ergebnis,
             std::string& fehler) {
    std::int64_t wert = 0;
    std::int64_t rest = 0;
    bool passt = true;
    switch (art) {
    case Rechenart::plus:
        passt = ganzzahl::plus(z1, z2, wert);
        break;
    case Rechenart::minus:
        if (z2 >= z1) {
            fehler = "Zahl 1 muss größer als Zahl 2  sein.";
            return false;
        }
        passt = ganzzahl::minus(z1, z2, wert);
        break;
    case Rechenart::mal:
        passt = ganzzahl::mal(z1, z2, wert);
        break;
    case Rechenart::geteilt:
        if (z2 == 0) {
            fehler = "Division durch 0 ist nicht erlaubt.";
            return false;
        }
        passt = ganzzahl::teilen(z1, z2, wert, rest);
        break;
    }
    if (!passt || wert > groesste || wert < kleinste) {
        fehler = "Zahl zu groß!";
        return false;
    }
    ergebnis.wert = static_cast<std::int32_t>(wert);
    ergebnis.rest = static_cast<std::int32_t>(rest);
    return true;
}

std::string gleichung(std::int32_t z1, std::int32_t z2, Rechenart art,
                      const Rechenergebnis& ergebnis, Zahlensystem system, int basis) {
    std::string text = zahl_text(z1, system, basis);
    text += ' ';
    text += operatorzeichen(art);
    text += ' ';
    text += zahl_text(z2, system, basis);
    text += " =";
    text += zahl_text(ergebnis.wert, system, basis);
    if (art == Rechenart::geteilt && ergebnis.rest != 0) {
        text += " Rest ";
        text += zahl_text(ergebnis.rest, system, basis);
    }
    return text;
}

Umrechnungstabelle umrechnungstabelle(std::int32_t von, std::int32_t bis, int basis) {
    Umrechnungstabelle t;
    const std::string trenner = "\t\t";
    t.zeilen.push_back("Dezimal" + trenner + "Dual" + trenner + "Hex" + trenner + "Basis" +
                       std::to_string(basis) + trenner + "Römisch");
    const std::int64_t anzahl = std::int64_t(bis) - von + 1;
    if (anzahl <= 0) return t;
    t.gekappt = anzahl > max_tabellenzeilen;
    const std::int64_t letzte = von + std::min(anzahl, max_tabellenzeilen) - 1;
    t.zeilen.reserve(static_cast<std::size_t>(letzte - von + 2));
    for (std::int64_t k = von; k <= letzte; ++k) {
        std::string z = basis_text(k, 10);
        z += trenner;
        z += basis_text(k, 2);
        z += trenner;
        z += basis_text(k, 16);
        z += trenner;
        z += basis_text(k, basis);
        z += trenner;
        z += roemisch_text(k);
        t.zeilen.push_back(std::move(z));
    }
    return t;
}

std::string kappungsmeldung() {
    return "Die Ausgabe wurde nach " + std::to_string(max_tabellenzeilen) +
           " Einträgen abgebrochen.";
}

} // namespace zol
