#include "graph/tlist1.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>

namespace zol {

namespace {
constexpr qint32 max_objekte = 1 << 22;
}

tGraphObject& Tlist1::add(std::unique_ptr<tGraphObject> objekt) {
    objekte_.push_back(std::move(objekt));
    return *objekte_.back();
}

std::unique_ptr<tGraphObject> Tlist1::entferne(int index) {
    if (index < 0 || index >= anzahl()) return nullptr;
    auto it = objekte_.begin() + index;
    std::unique_ptr<tGraphObject> o = std::move(*it);
    objekte_.erase(it);
    return o;
}

void Tlist1::leeren() {
    while (!objekte_.empty())
        objekte_.pop_back();
}

void Tlist1::zeichnealle(QPainter& maler) {
    for (auto& o : objekte_)
        o->zeichne(maler);
}

void Tlist1::hintergrund(QPainter& maler) const {
    maler.fillRect(QRectF(0, -double(seitenhoehe), seitenbreite, seitenhoehe), Qt::white);
}

int Tlist1::treffer(Tpunkt p) const {
    for (int i = anzahl() - 1; i >= 0; --i)
        if (objekte_[static_cast<std::size_t>(i)]->trifft(p)) return i;
    return -1;
}

std::vector<int> Tlist1::im_rechteck(const Trechteck& r) const {
    std::vector<int> innen;
    for (int i = 0; i < anzahl(); ++i)
        if (objekte_[static_cast<std::size_t>(i)]->liegtin(r)) innen.push_back(i);
    return innen;
}

void Tlist1::speichere(QDataStream& strom) const {
    strom.setByteOrder(QDataStream::LittleEndian);
    strom << qint32(seitenbreite) << qint32(seitenhoehe) << qint32(objekte_.size());
    for (const auto& o : objekte_)
        o->speichere(strom);
}

bool Tlist1::lade(QDataStream& strom) {
    strom.setByteOrder(QDataStream::LittleEndian);
    qint32 breite = 0, hoehe = 0, n = 0;
    strom >> breite >> hoehe >> n;
    if (strom.status() != QDataStream::Ok || n < 0 || n > max_objekte || !strom.device())
        return false;
    std::vector<std::unique_ptr<tGraphObject>> neu;
    for (qint32 i = 0; i < n; ++i) {
        char art = 0;
        if (strom.device()->peek(&art, 1) != 1) return false;
        auto o = graphobjekt_fuer_art(static_cast<std::uint8_t>(art));
        if (!o || !o->lade(strom)) return false;
        neu.push_back(std::move(o));
    }
    seitenbreite = breite;
    seitenhoehe = hoehe;
    objekte_ = std::move(neu);
    return true;
}

} // namespace zol
