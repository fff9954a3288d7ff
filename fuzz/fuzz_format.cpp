// Fuzz target: any value (including infinities and NaN) with any picture.
#include "engine/zahlformat.h"

#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 10 || groesse > 4096) return 0;
    // Ten bytes of an extended number; the explicit integer bit is set as the hardware would,
    // so only values the arithmetic can produce are formatted.
    unsigned char roh[sizeof(long double)] = {};
    std::memcpy(roh, daten, 10);
    const bool exponent_null = roh[8] == 0 && (roh[9] & 0x7F) == 0;
    if (exponent_null)
        roh[7] &= 0x7F;
    else
        roh[7] |= 0x80;
    long double wert;
    std::memcpy(&wert, roh, sizeof wert);
    const std::string_view bild(reinterpret_cast<const char*>(daten) + 10, groesse - 10);
    const std::string s = zol::format(bild, wert);
    if (s.size() > 2 * bild.size() + 64) __builtin_trap();
    return 0;
}
