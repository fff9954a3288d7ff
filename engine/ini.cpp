#include "engine/ini.h"

#include "engine/hilfen.h"

#include <charconv>

namespace zol {

namespace {

std::string_view ohne_rand(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

void Inidatei::einlesen(const std::vector<std::string>& zeilen) {
    leeren();
    Abschnitt* aktuell = nullptr;
    for (const std::string& roh : zeilen) {
        const std::string_view z = ohne_rand(roh);
        if (z.empty() || z.front() == ';') continue;
        if (z.front() == '[') {
            const std::size_t zu = z.find(']');
            const std::string_view name = ohne_rand(
                z.substr(1, zu == std::string_view::npos ? std::string_view::npos : zu - 1));
            aktuell = finde_abschnitt(name);
            if (aktuell == nullptr) aktuell = &abschnitt_anlegen(name);
            continue;
        }
        const std::size_t gleich = z.find('=');
        if (aktuell == nullptr || gleich == std::string_view::npos) continue;
        const std::string_view schluessel = ohne_rand(z.substr(0, gleich));
        const std::string_view wert = ohne_rand(z.substr(gleich + 1));
        // A repeated key keeps its first value, as Windows reads it.
        const auto [it, neu] = aktuell->index.try_emplace(gross(schluessel), 0);
        if (!neu) continue;
        it->second = aktuell->eintraege.size();
        aktuell->eintraege.push_back({std::string(schluessel), std::string(wert)});
    }
}

std::vector<std::string> Inidatei::zeilen() const {
    std::vector<std::string> r;
    for (const Abschnitt& a : abschnitte_) {
        if (!r.empty()) r.emplace_back();
        r.push_back("[" + a.name + "]");
        for (const Eintrag& e : a.eintraege)
            r.push_back(e.schluessel + "=" + e.wert);
    }
    return r;
}

const Inidatei::Abschnitt* Inidatei::finde_abschnitt(std::string_view name) const {
    const auto it = abschnittsindex_.find(gross(name));
    return it == abschnittsindex_.end() ? nullptr : &abschnitte_[it->second];
}

Inidatei::Abschnitt* Inidatei::finde_abschnitt(std::string_view name) {
    const auto it = abschnittsindex_.find(gross(name));
    return it == abschnittsindex_.end() ? nullptr : &abschnitte_[it->second];
}

Inidatei::Abschnitt& Inidatei::abschnitt_anlegen(std::string_view name) {
    abschnittsindex_.emplace(gross(name), abschnitte_.size());
    abschnitte_.push_back({std::string(name), {}, {}});
    return abschnitte_.back();
}

const Inidatei::Eintrag* Inidatei::finde_eintrag(const Abschnitt& a, std::string_view schluessel) {
    const auto it = a.index.find(gross(schluessel));
    return it == a.index.end() ? nullptr : &a.eintraege[it->second];
}

const Inidatei::Eintrag* Inidatei::finde(std::string_view abschnitt,
                                         std::string_view schluessel) const {
    const Abschnitt* a = finde_abschnitt(abschnitt);
    return a ? finde_eintrag(*a, schluessel) : nullptr;
}

bool Inidatei::hat(std::string_view abschnitt, std::string_view schluessel) const {
    return finde(abschnitt, schluessel) != nullptr;
}

std::string Inidatei::lies(std::string_view abschnitt, std::string_view schluessel,
                           std::string_view vorgabe) const {
    const Eintrag* e = finde(abschnitt, schluessel);
    return std::string(e ? std::string_view(e->wert) : vorgabe);
}

long Inidatei::lies_zahl(std::string_view abschnitt, std::string_view schluessel,
                         long vorgabe) const {
    const Eintrag* e = finde(abschnitt, schluessel);
    if (e == nullptr) return vorgabe;
    const char* anfang = e->wert.data();
    const char* ende = anfang + e->wert.size();
    if (anfang != ende && *anfang == '+') ++anfang;
    long wert = 0;
    const auto [p, fehler] = std::from_chars(anfang, ende, wert);
    return (fehler == std::errc() && p != anfang) ? wert : vorgabe;
}

bool Inidatei::lies_bool(std::string_view abschnitt, std::string_view schluessel,
                         bool vorgabe) const {
    const long unmoeglich = -2147483647L - 1;
    const long z = lies_zahl(abschnitt, schluessel, unmoeglich);
    return z == unmoeglich ? vorgabe : z != 0;
}

void Inidatei::schreibe(std::string_view abschnitt, std::string_view schluessel,
                        std::string_view wert) {
    Abschnitt* a = finde_abschnitt(abschnitt);
    if (a == nullptr) a = &abschnitt_anlegen(abschnitt);
    const auto [it, neu] = a->index.try_emplace(gross(schluessel), a->eintraege.size());
    if (!neu) {
        a->eintraege[it->second].wert = std::string(wert);
        return;
    }
    a->eintraege.push_back({std::string(schluessel), std::string(wert)});
}

void Inidatei::schreibe_zahl(std::string_view abschnitt, std::string_view schluessel, long wert) {
    schreibe(abschnitt, schluessel, std::to_string(wert));
}

void Inidatei::schreibe_bool(std::string_view abschnitt, std::string_view schluessel, bool wert) {
    schreibe(abschnitt, schluessel, wert ? "1" : "0");
}

} // namespace zol
