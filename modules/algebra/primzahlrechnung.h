#pragma once
// The texts of the primes window, without Qt: primes of a range with the factorisation of every
// number, gcd and lcm of two numbers with their divisor and multiple sets, and the divisor or
// multiple sets of a range. Every output is one memo's text, built at once and capped at
// hoechstens entries, so no input keeps the window busy for long.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zol::primzahlen {

// Inputs are 1 ... feldgrenze (the window brings its fields there before computing).
inline constexpr std::int64_t feldgrenze = 999'999'999;
// Entries per memo: a line of a list, an element of a set.
inline constexpr std::size_t hoechstens = 100'000;
inline constexpr const char* abbruchmeldung =
    "Die Ausgabe wurde nach 100000 Einträgen abgebrochen.";
// A set line is ended once it is longer than this.
inline constexpr std::size_t zeilenlaenge = 100;

// One memo's text: lines separated by '\n', without a break after the last.
class Memotext {
public:
    explicit Memotext(std::size_t grenze = hoechstens) : grenze_(grenze) {}

    // A line that is no entry (a heading).
    void zeile(std::string_view z);
    // A line that is one entry; false (and nothing written) once the cap is reached.
    bool eintragszeile(std::string_view z);
    // Counts one entry; false once the cap is reached, which marks the text as cut off.
    bool eintrag();

    const std::string& text() const { return text_; }
    std::size_t eintraege() const { return eintraege_; }
    std::size_t zeilen() const { return zeilen_; }
    bool abgebrochen() const { return abgebrochen_; }

private:
    std::string text_;
    std::size_t grenze_;
    std::size_t eintraege_ = 0;
    std::size_t zeilen_ = 0;
    bool abgebrochen_ = false;
};

// Trial division up to Trunc(sqrt(k) + 1), the divisor k itself not counting: 1 passes.
bool ist_primzahl(std::int64_t k);
// "12=  2*2*3", "7=  Primzahl", "1=  Primzahl".
std::string zerlegung(std::int64_t k);

// T(k)=(1,2,...,k) and V(k)=(k,2k,...) up to the bound (k itself always), lines ended once
// longer than zeilenlaenge; a continuation line starts with ",".
void teilermenge(std::int64_t k, Memotext& memo);
void vielfachmenge(std::int64_t k, std::int64_t grenze, Memotext& memo);

// Page "Primzahlen": for k from von to bis (von alone when bis is smaller) the primes (1
// included) into primzahlen, the factorisation lines into faktoren.
struct Primseite {
    Memotext primzahlen;
    Memotext faktoren;
};
Primseite primseite(std::int64_t von, std::int64_t bis, std::size_t grenze = hoechstens);

// Page "ggT/kgV": gcd and lcm (64 bits) with the sets; text_a and text_b are the fields' texts
// as typed, used in the "ggT(...)" and "kgV(...)" lines.
Memotext ggt_kgv(std::int64_t a, std::int64_t b, std::string_view text_a, std::string_view text_b,
                 std::size_t grenze = hoechstens);

// Pages "Teilermenge" and "Vielfachmenge": one set per k from von to bis; nothing when bis is
// smaller.
Memotext teilermengen(std::int64_t von, std::int64_t bis, std::size_t grenze = hoechstens);
Memotext vielfachmengen(std::int64_t von, std::int64_t bis, std::int64_t maximum,
                        std::size_t grenze = hoechstens);

} // namespace zol::primzahlen
