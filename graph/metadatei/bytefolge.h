#pragma once
// Little-endian record bytes, as both metafile formats store them.
#include <QByteArray>

#include <cstdint>
#include <cstring>

namespace zol {

class Bytefolge {
public:
    void u8(std::uint8_t v) { b_.append(static_cast<char>(v)); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) {
        std::uint32_t bits = 0;
        static_assert(sizeof bits == sizeof v);
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void nullen(qsizetype anzahl) { b_.append(anzahl, '\0'); }
    // Pads with zero bytes to a multiple of the given size.
    void auffuellen(qsizetype vielfaches) {
        while (b_.size() % vielfaches != 0)
            u8(0);
    }
    void bytes(const QByteArray& b) { b_.append(b); }

    // Overwrites four bytes at a position already written (sizes known only at the end).
    void setze_u32(qsizetype stelle, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b_[stelle + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }

    qsizetype groesse() const { return b_.size(); }
    const QByteArray& daten() const { return b_; }

private:
    QByteArray b_;
};

} // namespace zol
