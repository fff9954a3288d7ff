#include "graph/graphobjekte.h"

#include "engine/textkodierung.h"
#include "graph/textmalen.h"

#include <QDataStream>
#include <QPainter>

namespace zol {

namespace {

// Lines longer than this or more lines than this in a stream are taken for damage.
constexpr qint32 max_zeilenlaenge = 1 << 20;
constexpr qint32 max_zeilen = 1 << 20;

std::string zeile_zu_bytes(const std::string& utf8) {
    if (auto b = utf8_zu_cp1252(utf8)) return *b;
    return utf8;
}

} // namespace

Ttext::Ttext(Tpunkt p, const Tschrift& s, std::vector<std::string> z)
    : tGraphObject(art_text), schrift(s), zeilen(std::move(z)) {
    rect = {p.x, p.y, p.x, p.y};
    stift.farbe = s.farbe;
}

bool Ttext::lade(QDataStream& strom) {
    if (!tGraphObject::lade(strom)) return false;
    qint32 n = 0;
    strom >> n;
    if (strom.status() != QDataStream::Ok || n < 0 || n > max_zeilen) return false;
    std::vector<std::string> neu;
    for (qint32 i = 0; i < n; ++i) {
        qint32 laenge = 0;
        strom >> laenge;
        if (strom.status() != QDataStream::Ok || laenge < 1 || laenge > max_zeilenlaenge)
            return false;
        std::string bytes(static_cast<std::size_t>(laenge), '\0');
        if (strom.readRawData(bytes.data(), laenge) != laenge) return false;
        bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
        neu.push_back(datei_zu_utf8(bytes));
    }
    zeilen = std::move(neu);
    return true;
}

void Ttext::speichere(QDataStream& strom) const {
    tGraphObject::speichere(strom);
    strom << qint32(zeilen.size());
    for (const std::string& z : zeilen) {
        const std::string bytes = zeile_zu_bytes(z);
        strom << qint32(bytes.size() + 1);
        strom.writeRawData(bytes.data(), static_cast<int>(bytes.size()));
        strom << quint8(0);
    }
}

Textsatz Ttext::satz() const {
    Satzvorgaben v;
    v.dialekt = Textdialekt::seite;
    v.grundschrift.setFamily(QString::fromStdString(schrift.name));
    v.grundschrift.setBold(schrift.fett);
    v.grundschrift.setItalic(schrift.kursiv);
    v.grundschrift.setUnderline(schrift.unterstrichen);
    v.grundschrift.setStrikeOut(schrift.durchgestrichen);
    v.groesse = schrift.groesse;
    v.einheiten_je_punkt = seiteneinheiten_je_punkt;
    std::vector<QString> z;
    z.reserve(zeilen.size());
    for (const std::string& s : zeilen)
        z.push_back(QString::fromStdString(s));
    return setze_text(z, QPointF(rect.x1, -double(rect.y1)), v);
}

void Ttext::ausdehnung_setzen(const Textsatz& s) {
    rect.x2 = seitenkoordinate(s.ende.x() + 2.0 * s.w);
    rect.y2 = seitenkoordinate(-s.ende.y() - 2.0 * s.h);
}

void Ttext::vermessen() {
    ausdehnung_setzen(satz());
}

void Ttext::zeichne(QPainter& maler) {
    const Textsatz s = satz();
    maler.save();
    maler.setBackgroundMode(Qt::TransparentMode);
    const QPen strichstift = malstift(maler, Tstift{schrift.farbe, 1, stil_linie});
    maler.scale(1, -1); // the layout has y downward
    male_textsatz(maler, s, schrift.farbe, strichstift);
    maler.restore();
    ausdehnung_setzen(s);
}

} // namespace zol
