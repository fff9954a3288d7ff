#pragma once
// Windows-style INI text as project files use it: sections and keys keep the order in which
// they were first written, look-ups ignore the case of ASCII letters, values are stored exactly
// as given (no quoting, no escaping), booleans are "1" and "0".
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zol {

class Inidatei {
public:
    // Reads INI lines: "[Section]", "key=value" (the key ends at the first "="; blanks around
    // key and value are dropped), empty lines and lines starting with ";" are skipped, as is
    // anything before the first section.
    void einlesen(const std::vector<std::string>& zeilen);
    // The lines to write: each section header, then its keys; an empty line between sections.
    std::vector<std::string> zeilen() const;

    bool hat(std::string_view abschnitt, std::string_view schluessel) const;
    std::string lies(std::string_view abschnitt, std::string_view schluessel,
                     std::string_view vorgabe) const;
    // Whole numbers as Windows reads them: optional sign and leading digits; anything else
    // gives the default.
    long lies_zahl(std::string_view abschnitt, std::string_view schluessel, long vorgabe) const;
    // Anything whose number is not 0 is true; a value that is not a number gives the default.
    bool lies_bool(std::string_view abschnitt, std::string_view schluessel, bool vorgabe) const;

    // Replaces the value in place, or appends the key (and the section) at the end.
    void schreibe(std::string_view abschnitt, std::string_view schluessel, std::string_view wert);
    void schreibe_zahl(std::string_view abschnitt, std::string_view schluessel, long wert);
    void schreibe_bool(std::string_view abschnitt, std::string_view schluessel, bool wert);

    void leeren() {
        abschnitte_.clear();
        abschnittsindex_.clear();
    }
    bool leer() const { return abschnitte_.empty(); }

private:
    struct Eintrag {
        std::string schluessel, wert;
    };
    // Look-ups go through indexes of the upper-cased names: a project of 100 000 formulas has
    // as many keys in one section.
    struct Abschnitt {
        std::string name;
        std::vector<Eintrag> eintraege;
        std::unordered_map<std::string, std::size_t> index;
    };
    const Eintrag* finde(std::string_view abschnitt, std::string_view schluessel) const;
    const Abschnitt* finde_abschnitt(std::string_view name) const;
    Abschnitt* finde_abschnitt(std::string_view name);
    Abschnitt& abschnitt_anlegen(std::string_view name);
    // The key's entry in a, or nullptr.
    static const Eintrag* finde_eintrag(const Abschnitt& a, std::string_view schluessel);
    std::vector<Abschnitt> abschnitte_;
    std::unordered_map<std::string, std::size_t> abschnittsindex_;
};

} // namespace zol
