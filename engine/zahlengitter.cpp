#include "engine/zahlengitter.h"

#include "engine/hilfen.h"
#include "engine/zahlwert.h"

#include <cmath>

namespace zol {

bool zellwert(std::string_view text, long double& wert) {
    const std::string rein = gross(leerzeichenweg(text));
    long double w = 0;
    if (rein.empty() || !zahlwert(rein, w) || !std::isfinite(w)) return false;
    wert = w;
    return true;
}

bool zahlengitter_lesen(int spalte0, int spalten, int zeile0, int zeilen,
                        const std::function<std::string(int, int)>& zelle,
                        std::vector<std::vector<long double>>& werte, Gitterstelle& fehler) {
    fehler = {};
    if (spalten < 0 || zeilen < 0) return false;
    std::vector<std::vector<long double>> gelesen(static_cast<std::size_t>(zeilen),
                                                  std::vector<long double>(spalten, 0.0L));
    for (int c = 0; c < spalten; ++c) {
        for (int r = 0; r < zeilen; ++r) {
            if (!zellwert(zelle(spalte0 + c, zeile0 + r), gelesen[r][c])) {
                fehler = {spalte0 + c, zeile0 + r};
                return false;
            }
        }
    }
    werte = std::move(gelesen);
    return true;
}

std::string gitterfehlertext(const Gitterstelle& stelle, std::string_view matrix) {
    std::string text = "Fehlerhafte Eingabe in ";
    if (!matrix.empty()) {
        text += matrix;
        text += ' ';
    }
    text += "Zeile:";
    text += std::to_string(stelle.zeile);
    text += "Spalte:";
    text += std::to_string(stelle.spalte);
    return text;
}

} // namespace zol
