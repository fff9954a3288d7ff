#include "engine/zahlwert.h"

#include <charconv>
#include <string>

namespace zol {

namespace {

bool ziffer(char c) {
    return c >= '0' && c <= '9';
}

// Checks the syntax of the exchanged text and returns the 1-based position of the first
// character that does not fit, or 0.
int syntaxfehler(const std::string& t) {
    std::size_t i = 0;
    const std::size_t n = t.size();
    if (n == 0) return 1;
    if (t[i] == '+' || t[i] == '-') ++i;
    std::size_t ziffern = 0;
    while (i < n && ziffer(t[i]))
        ++i, ++ziffern;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && ziffer(t[i]))
            ++i, ++ziffern;
    }
    if (ziffern == 0) return static_cast<int>(i < n ? i + 1 : n);
    if (i < n && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        const std::size_t anfang = i;
        while (i < n && ziffer(t[i]))
            ++i;
        if (i == anfang) return static_cast<int>(i < n ? i + 1 : n);
    }
    return i < n ? static_cast<int>(i + 1) : 0;
}

} // namespace

bool zahlwert(std::string_view text, long double& wert, int& fehlerposition) {
    wert = 0;
    std::string t(text);
    for (char& c : t) {
        if (c == ',')
            c = '.';
        else if (c == '.')
            c = ',';
    }
    fehlerposition = syntaxfehler(t);
    if (fehlerposition != 0) return false;

    const bool negativ = t[0] == '-';
    const std::size_t anfang = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    long double v = 0;
    const auto [ende, fehler] =
        std::from_chars(t.data() + anfang, t.data() + t.size(), v, std::chars_format::general);
    if (fehler == std::errc::result_out_of_range) {
        // Decide between too large and too small by the decimal exponent of the first
        // significant digit.
        long long stelle = 0;
        std::size_t i = anfang;
        bool gefunden = false;
        long long vorkomma = 0;
        while (i < t.size() && ziffer(t[i])) {
            if (t[i] != '0') gefunden = true;
            if (gefunden) ++vorkomma;
            ++i;
        }
        stelle = vorkomma;
        if (i < t.size() && t[i] == '.') {
            ++i;
            while (i < t.size() && ziffer(t[i])) {
                if (!gefunden) {
                    if (t[i] != '0')
                        gefunden = true;
                    else
                        --stelle;
                }
                ++i;
            }
        }
        long long exponent = 0;
        if (i < t.size()) {
            ++i;
            bool eneg = false;
            if (t[i] == '+' || t[i] == '-') eneg = t[i++] == '-';
            while (i < t.size() && exponent < 1000000)
                exponent = 10 * exponent + (t[i++] - '0');
            if (eneg) exponent = -exponent;
        }
        if (!gefunden || stelle + exponent < 0) {
            wert = 0;
            return true;
        }
        fehlerposition = static_cast<int>(t.size());
        return false;
    }
    if (fehler != std::errc() || ende != t.data() + t.size()) {
        fehlerposition = static_cast<int>(ende - t.data()) + 1;
        return false;
    }
    wert = negativ ? -v : v;
    return true;
}

bool zahlwert(std::string_view text, long double& wert) {
    int pos = 0;
    return zahlwert(text, wert, pos);
}

} // namespace zol
