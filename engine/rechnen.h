#pragma once
// The calculation window's two ways of working, without any window: direct mode handles one
// line when Enter is pressed, program mode runs a whole text once.
#include "engine/fktbaum.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

namespace rechentexte {
inline constexpr const char* aufgenommen = "Formel aufgenommen!";
inline constexpr const char* ungueltig = "ungültiger Ausdruck";
inline constexpr const char* alle_geloescht = "Alle Formeln gelöscht!";
inline constexpr const char* fehler = "Fehler:";
} // namespace rechentexte

struct Direktergebnis {
    enum class Art {
        nichts,            // empty line or comment
        text_loeschen,     // "cls": clear the whole text
        formeln_anhaengen, // "zeige_fkt": append zeilen at the end of the text
        alle_geloescht,    // "lösche_alle": formulas removed, show meldung
        ergebnis,          // insert zeilen[0] below the current line
        aufgenommen,       // definition stored, show meldung
        ungueltig,         // show meldung
    };
    Art art = Art::nichts;
    std::string meldung;
    std::vector<std::string> zeilen;
};

// The formula texts of the table, in table order.
std::vector<std::string> formeltexte(const Tfktbaum& baum);

Direktergebnis direktzeile(Tfktbaum& baum, std::string_view zeile, std::string_view bild);

struct Programmergebnis {
    std::vector<std::string> ausgabe; // lines for the output window
    bool fehler = false;              // some line produced "Fehler:"
};

Programmergebnis programmlauf(Tfktbaum& baum, const std::vector<std::string>& zeilen,
                              std::string_view bild);

} // namespace zol
