// Fuzz target: the number systems window's reader on any text, in every system and base. What
// is read must be written and read back to the same value, and the operations and the table on
// such values must keep to their limits.
#include "modules/algebra/zahlensystemrechnung.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace zol;

namespace {

// The first byte chooses system and base, the rest up to a "|" is number 1, after it number 2.
std::int32_t lesen(std::string_view text, Zahlensystem system, int basis) {
    Lesefehler fehler = Lesefehler::keiner;
    const std::int32_t wert = zahl_lesen(text, system, basis, fehler);
    if (fehler != Lesefehler::keiner) {
        if (wert != 0) __builtin_trap();
        return 0;
    }
    if (wert < 0) __builtin_trap();
    const std::string zurueck = zahl_text(wert, system, basis);
    Lesefehler wieder = Lesefehler::keiner;
    if (zahl_lesen(zurueck, system, basis, wieder) != wert || wieder != Lesefehler::keiner)
        __builtin_trap();
    if (system == Zahlensystem::roemisch && (wert < 1 || wert > 3999)) __builtin_trap();
    return wert;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1 || groesse > 4096) return 0;
    const auto system = static_cast<Zahlensystem>(daten[0] % 5);
    const int basis = 2 + (daten[0] / 5) % 15;
    const std::string_view text(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    const std::size_t strich = text.find('|');
    const std::int32_t z1 = lesen(text.substr(0, strich), system, basis);
    const std::int32_t z2 =
        strich == std::string_view::npos ? 0 : lesen(text.substr(strich + 1), system, basis);
    for (Rechenart art : {Rechenart::plus, Rechenart::minus, Rechenart::mal, Rechenart::geteilt}) {
        Rechenergebnis r;
        std::string fehler;
        if (rechnen(art, z1, z2, r, fehler)) {
            const std::int64_t genau = art == Rechenart::plus    ? std::int64_t(z1) + z2
                                       : art == Rechenart::minus ? std::int64_t(z1) - z2
                                       : art == Rechenart::mal   ? std::int64_t(z1) * z2
                                                                 : std::int64_t(z1) / z2;
            if (r.wert != genau) __builtin_trap();
            gleichung(z1, z2, art, r, system, basis);
        } else if (fehler.empty()) {
            __builtin_trap();
        }
    }
    // A few lines of the table around the numbers; the cap holds for any range.
    const Umrechnungstabelle t = umrechnungstabelle(z1, z2, basis);
    if (t.zeilen.size() > static_cast<std::size_t>(max_tabellenzeilen) + 1) __builtin_trap();
    return 0;
}
