#include "graph/neuaufbau.h"

namespace zol {

Tpunkt freitext_ort(const Tzeichenvorgaben& v) {
    return {seitenkoordinate(10.0L * v.xabstand),
            seitenkoordinate(-10.0L * (static_cast<long double>(v.yabstand) + v.ygroesse + 5))};
}

void neuaufbau(Tlist1& liste, Tzeichenvorgaben& vorgaben, std::span<const Teinzelnefkt> kurven) {
    liste.leeren();
    {
        Tfktachsen motor(liste, vorgaben);
        motor.achsenzeichnen();
        for (const Teinzelnefkt& k : kurven) {
            motor.aktuell = &k;
            motor.fktzeichnen();
        }
    }
    liste.neu<Ttext>(freitext_ort(vorgaben), vorgaben.schrift, vorgaben.freitext);
}

} // namespace zol
