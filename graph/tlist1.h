#pragma once
// The display list of a page: owns its objects and paints them in order.
#include "graph/graphobjekte.h"

#include <memory>
#include <vector>

class QDataStream;
class QPainter;

namespace zol {

class Tlist1 {
public:
    std::int32_t seitenbreite = 2100; // page units (0.1 mm)
    std::int32_t seitenhoehe = 2970;

    Tlist1() = default;
    Tlist1(Tlist1&&) = default;
    Tlist1& operator=(Tlist1&&) = default;

    int anzahl() const { return static_cast<int>(objekte_.size()); }
    tGraphObject& operator[](int i) { return *objekte_[static_cast<std::size_t>(i)]; }
    const tGraphObject& operator[](int i) const { return *objekte_[static_cast<std::size_t>(i)]; }
    auto begin() const { return objekte_.begin(); }
    auto end() const { return objekte_.end(); }

    // Takes the object over; returns it.
    tGraphObject& add(std::unique_ptr<tGraphObject> objekt);
    template <class T, class... A> T& neu(A&&... a) {
        return static_cast<T&>(add(std::make_unique<T>(std::forward<A>(a)...)));
    }
    std::unique_ptr<tGraphObject> entferne(int index);
    // Frees every object, from the last to the first.
    void leeren();

    // Paints every object in list order (texts update their extent while painting).
    void zeichnealle(QPainter& maler);
    // Fills the page, (0, 0) to (page width, -page height), with white.
    void hintergrund(QPainter& maler) const;

    // The topmost (last painted) object that the point hits, or -1.
    int treffer(Tpunkt p) const;
    // The objects lying inside a dragged frame, in list order.
    std::vector<int> im_rechteck(const Trechteck& r) const;

    // Stream: page width, page height, object count (int32 each), then the objects. Loading
    // replaces the list only when the whole stream was read without fault.
    void speichere(QDataStream& strom) const;
    bool lade(QDataStream& strom);

private:
    std::vector<std::unique_ptr<tGraphObject>> objekte_;
};

} // namespace zol
