#pragma once
// Reading a display list back in test form, and recording the engine's messages.
#include "engine/meldung.h"
#include "graph/tlist1.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace zol::test {

inline std::vector<Trechteck> linien(const Tlist1& l) {
    std::vector<Trechteck> r;
    for (const auto& o : l)
        if (o->art == art_linie) r.push_back(o->rect);
    return r;
}

struct Textobjekt {
    Tpunkt ort;
    std::string text;
    friend bool operator==(const Textobjekt&, const Textobjekt&) = default;
};

inline std::vector<Textobjekt> texte(const Tlist1& l) {
    std::vector<Textobjekt> r;
    for (const auto& o : l)
        if (o->art == art_text) {
            const auto& t = static_cast<const Ttext&>(*o);
            r.push_back({{t.rect.x1, t.rect.y1}, t.zeilen.empty() ? std::string() : t.zeilen[0]});
        }
    return r;
}

inline std::vector<std::vector<Tpunkt>> zuege(const Tlist1& l) {
    std::vector<std::vector<Tpunkt>> r;
    for (const auto& o : l)
        if (o->art == art_linienzug) {
            const auto& z = static_cast<const Tpolyline&>(*o);
            r.emplace_back(z.punkte.begin(), z.punkte.begin() + z.anzahl);
        }
    return r;
}

// Every object as one line of text: "L x1 y1 x2 y2", "T x y text" (first line), "P count".
inline std::vector<std::string> beschreibung(const Tlist1& l) {
    std::vector<std::string> r;
    for (const auto& o : l) {
        const Trechteck& q = o->rect;
        if (o->art == art_linie)
            r.push_back("L " + std::to_string(q.x1) + " " + std::to_string(q.y1) + " " +
                        std::to_string(q.x2) + " " + std::to_string(q.y2));
        else if (o->art == art_text)
            r.push_back("T " + std::to_string(q.x1) + " " + std::to_string(q.y1) + " " +
                        (static_cast<const Ttext&>(*o).zeilen.empty()
                             ? std::string()
                             : static_cast<const Ttext&>(*o).zeilen[0]));
        else
            r.push_back("P " + std::to_string(static_cast<const Tpolyline&>(*o).anzahl));
    }
    return r;
}

// Records zol::melde for its lifetime.
class Meldungsprotokoll {
public:
    std::vector<std::string> texte;
    Meldungsprotokoll()
        : vorher_(setze_meldungsempfaenger([this](const std::string& t) { texte.push_back(t); })) {}
    ~Meldungsprotokoll() { setze_meldungsempfaenger(vorher_); }

private:
    Meldungsempfaenger vorher_;
};

inline std::ostream& operator<<(std::ostream& o, const Textobjekt& t) {
    return o << "(" << t.ort.x << ";" << t.ort.y << ") \"" << t.text << "\"";
}

} // namespace zol::test

namespace zol {
inline std::ostream& operator<<(std::ostream& o, const Tpunkt& p) {
    return o << "(" << p.x << ";" << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& o, const Trechteck& r) {
    return o << "(" << r.x1 << ";" << r.y1 << ")-(" << r.x2 << ";" << r.y2 << ")";
}
} // namespace zol
