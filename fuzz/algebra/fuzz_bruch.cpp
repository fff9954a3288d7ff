// Fuzz target: the decimal-to-fraction expansion on any typed text and any extended number, and
// the four operations on what it gives and on arbitrary 64-bit fields. It must end, and every
// fraction it accepts must fit the window's fields.
#include "engine/zahlwert.h"
#include "modules/algebra/bruchrechnung.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

using namespace zol::bruch;

void pruefen(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

bool im_feld(const Bruch& b) {
    return std::llabs(b.ganze) <= feldgrenze && b.nenner >= 1 && b.nenner <= feldgrenze &&
           std::llabs(b.zaehler) < b.nenner && (b.ganze == 0 || b.zaehler >= 0);
}

void entwickeln(long double x) {
    for (bool unendlich : {true, false}) {
        Bruch b;
        if (!aus_dezimal(x, toleranz(unendlich), b)) {
            pruefen(!(std::fabs(x) < 1e9L));
            continue;
        }
        pruefen(im_feld(b));
        // Within the tolerance, or at worst the whole part when a finer convergent would leave
        // the fields.
        pruefen(std::fabs(wert(b) - x) < 1);
        for (Rechenart op : {Rechenart::plus, Rechenart::minus, Rechenart::mal, Rechenart::durch}) {
            const Rechnung r = rechnung(b, x, op, b, x, "0.000");
            pruefen(r.status != Status::ok || im_feld(r.ergebnis));
        }
    }
}

std::int64_t zahl(const std::uint8_t* daten) {
    std::int64_t n;
    std::memcpy(&n, daten, sizeof n);
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0 || groesse > 4096) return 0;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    // Any text, as a decimal field reads it.
    long double x = 0;
    if (zol::zahlwert(text, x)) entwickeln(x);
    // Ten bytes of an extended number, with the integer bit the hardware would set.
    if (groesse >= 10) {
        unsigned char roh[sizeof(long double)] = {};
        std::memcpy(roh, daten, 10);
        if (roh[8] == 0 && (roh[9] & 0x7F) == 0)
            roh[7] &= 0x7F;
        else
            roh[7] |= 0x80;
        std::memcpy(&x, roh, sizeof x);
        entwickeln(x);
    }
    // Six 64-bit fields: the operations never overflow unnoticed.
    if (groesse >= 48) {
        const Bruch a{zahl(daten), zahl(daten + 8), zahl(daten + 16)};
        const Bruch b{zahl(daten + 24), zahl(daten + 32), zahl(daten + 40)};
        for (Rechenart op : {Rechenart::plus, Rechenart::minus, Rechenart::mal, Rechenart::durch}) {
            Bruch e;
            if (rechnen(a, op, b, e) == Status::ok) pruefen(im_feld(e));
        }
    }
    return 0;
}
