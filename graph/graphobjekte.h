#pragma once
// The objects of a page: lines, polylines and text blocks in page units (0.1 mm, y upward).
// Each draws itself through a QPainter whose transform maps page units to the device, so one
// drawing path serves the screen, printers, pictures and files. Objects are stored in a
// little-endian binary stream.
#include "graph/textsatz.h"
#include "graph/zeichenmittel.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QDataStream;
class QPainter;

namespace zol {

enum Objektart : std::uint8_t {
    art_linie = 3,
    art_linienzug = 4,
    art_text = 5,
};

class tGraphObject {
public:
    Trechteck rect;           // line ends, or a text's reference corner and rough extent
    std::uint8_t art = 0;     // Objektart
    bool ausgewaehlt = false; // draw selection handles
    Tstift stift;
    Tpinsel pinsel;
    std::int32_t ziehmodus = 0; // 0 new or resize, 1 move

    virtual ~tGraphObject() = default;
    tGraphObject(const tGraphObject&) = default;
    tGraphObject& operator=(const tGraphObject&) = default;

    // Stream: kind (1 byte) and the rectangle (4 x int32); subclasses append their data.
    // lade fails (false) on a short stream, a kind of another class or impossible counts.
    virtual bool lade(QDataStream& strom);
    virtual void speichere(QDataStream& strom) const;
    virtual void zeichne(QPainter&) {}
    // The rubber band while dragging.
    virtual void zeichneziehen(const Trechteck&, QPainter&) {}
    // Both points inside r (selection by a dragged frame).
    virtual bool liegtin(const Trechteck& r) const;
    // p inside the normalised rectangle grown by 15 units on every side.
    virtual bool trifft(Tpunkt p) const;
    // p on a handle; sets the drag mode.
    virtual bool trifftgriff(Tpunkt) { return false; }

protected:
    explicit tGraphObject(std::uint8_t objektart) : art(objektart) {}
};

class Tline : public tGraphObject {
public:
    Tline() : tGraphObject(art_linie) {}
    Tline(Tpunkt a, Tpunkt b, const Tstift& s) : tGraphObject(art_linie) {
        rect = {a.x, a.y, b.x, b.y};
        stift = s;
    }
    void zeichne(QPainter& maler) override;
    // Drag mode 0: the line becomes r; drag mode 1: it moves by r's second point minus its
    // first. Drawn in red with not-xor, so drawing twice erases it (raster devices only).
    void zeichneziehen(const Trechteck& r, QPainter& maler) override;
    // A handle around the midpoint moves the line (drag mode 1).
    bool trifftgriff(Tpunkt p) override;

protected:
    explicit Tline(std::uint8_t objektart) : tGraphObject(objektart) {}
};

class Tpolyline : public Tline {
public:
    static constexpr int max_punkte = 1000;
    std::array<Tpunkt, max_punkte> punkte{}; // the first anzahl are used
    std::int32_t anzahl = 0;

    Tpolyline() : Tline(art_linienzug) {}
    // Takes at most max_punkte points; rect becomes their bounding box.
    void setze_punkte(std::span<const Tpunkt> p);

    // Stream: as the base, then all max_punkte points (x, y) and the count.
    bool lade(QDataStream& strom) override;
    void speichere(QDataStream& strom) const override;
    // Style 0: one polyline. Styles 1 to 4 (low seven bits): a marker on every point, drawn with
    // a solid pen: circles of radius 5 and 10, squares of half side 5 and 10. Other styles draw
    // nothing.
    void zeichne(QPainter& maler) override;
};

class Ttext : public tGraphObject {
public:
    Tschrift schrift;
    std::vector<std::string> zeilen; // UTF-8, in the text language (textsatz.h)

    Ttext() : tGraphObject(art_text) {}
    Ttext(Tpunkt p, const Tschrift& s, std::vector<std::string> z);

    // Stream: as the base, then the line count and per line its length + 1 and the bytes with
    // a terminating zero (Windows-1252, or UTF-8 for characters it cannot hold).
    bool lade(QDataStream& strom) override;
    void speichere(QDataStream& strom) const override;
    // Draws the lines and sets the rough extent (x2, y2) used by hit testing.
    void zeichne(QPainter& maler) override;
    // The layout as zeichne would paint it (y downward, i.e. (x, -y) of page units).
    Textsatz satz() const;
    // Sets the rough extent without painting.
    void vermessen();

private:
    void ausdehnung_setzen(const Textsatz& s);
};

// A new object of the given kind, or nullptr for an unknown kind.
std::unique_ptr<tGraphObject> graphobjekt_fuer_art(std::uint8_t art);

} // namespace zol
