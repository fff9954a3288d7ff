#include "metaleser.h"

#include "engine/textkodierung.h"
#include "graph/symbolschrift.h"

#include <map>
#include <variant>

namespace zol::test {

namespace {

class Bytes {
public:
    explicit Bytes(const QByteArray& b) : b_(b) {}
    bool hat(qsizetype stelle, qsizetype n) const { return stelle >= 0 && stelle + n <= b_.size(); }
    std::uint8_t u8(qsizetype i) const { return hat(i, 1) ? std::uint8_t(b_[i]) : 0; }
    std::uint16_t u16(qsizetype i) const { return std::uint16_t(u8(i) | (u8(i + 1) << 8)); }
    std::int16_t i16(qsizetype i) const { return std::int16_t(u16(i)); }
    std::uint32_t u32(qsizetype i) const { return u16(i) | (std::uint32_t(u16(i + 2)) << 16); }
    std::int32_t i32(qsizetype i) const { return std::int32_t(u32(i)); }
    qsizetype size() const { return b_.size(); }

private:
    const QByteArray& b_;
};

QRgb farbe(const Bytes& b, qsizetype i) {
    return qRgb(b.u8(i), b.u8(i + 1), b.u8(i + 2));
}

using Objekt = std::variant<Lesestift, Lesepinsel, Leseschrift>;

// The object table and what is selected, as a player keeps them.
class Tabelle {
public:
    explicit Tabelle(Metabild& bild) : bild_(bild) {}

    void erzeuge(int nr, Objekt o) {
        if (objekte_.count(nr))
            bild_.fehler.push_back("Nummer doppelt belegt: " + std::to_string(nr));
        objekte_[nr] = std::move(o);
        bild_.hoechste_nummer = std::max(bild_.hoechste_nummer, nr);
    }
    int freie_nummer() const {
        int nr = 0;
        while (objekte_.count(nr))
            ++nr;
        return nr;
    }
    void waehle(int nr) {
        auto it = objekte_.find(nr);
        if (it == objekte_.end()) {
            bild_.fehler.push_back("Auswahl eines fehlenden Objekts " + std::to_string(nr));
            return;
        }
        gewaehlt_[it->second.index()] = nr;
    }
    void waehle_vorrat(int art) { gewaehlt_[art] = -1; }
    void loesche(int nr) {
        if (!objekte_.erase(nr))
            bild_.fehler.push_back("Loeschen eines fehlenden Objekts " + std::to_string(nr));
        for (int& g : gewaehlt_) {
            if (g != nr) continue;
            g = -2; // selected, but gone: nothing may be drawn with it any more
            ++bild_.geloeschte_gewaehlte;
        }
    }
    template <class T> std::optional<T> aktuell(const char* was) {
        const int nr = gewaehlt_[Objekt(T{}).index()];
        auto it = objekte_.find(nr);
        if (it == objekte_.end()) {
            bild_.fehler.push_back(std::string("Zeichnung ohne gueltigen ") + was);
            return std::nullopt;
        }
        return std::get<T>(it->second);
    }
    int offen() const { return int(objekte_.size()); }

private:
    Metabild& bild_;
    std::map<int, Objekt> objekte_;
    int gewaehlt_[3] = {-1, -1, -1};
};

struct Zustand {
    QPoint position;
    std::optional<QRgb> textfarbe;
};

void zeichne(Metabild& bild, Tabelle& t, Zustand& z, Zeichnung d, bool fuellt) {
    d.stift = t.aktuell<Lesestift>("Stift");
    if (fuellt) d.pinsel = t.aktuell<Lesepinsel>("Pinsel");
    d.textfarbe = z.textfarbe;
    const bool sieht_man =
        (d.stift && (d.stift->stil & 0xFF) != 5) || (d.pinsel && d.pinsel->art != 1);
    if (sieht_man) bild.zeichnungen.push_back(std::move(d));
}

QString wmf_text(const Bytes& b, qsizetype von, int n, bool symbol) {
    QString s;
    for (int i = 0; i < n; ++i) {
        const unsigned char c = b.u8(von + i);
        const char32_t z = symbol ? symbolzeichen(c) : cp1252_zu_unicode(c);
        s.append(QString::fromUcs4(&z, 1));
    }
    return s;
}

} // namespace

std::vector<Zeichnung> Metabild::alle(Zeichnung::Art art) const {
    std::vector<Zeichnung> aus;
    for (const Zeichnung& z : zeichnungen)
        if (z.art == art) aus.push_back(z);
    return aus;
}

Metabild lies_wmf(const QByteArray& daten) {
    Metabild bild;
    Bytes b(daten);
    if (b.size() < 40) {
        bild.fehler.push_back("zu kurz");
        return bild;
    }
    bild.schluessel = b.u32(0);
    bild.umriss = QRect(QPoint(b.i16(6), b.i16(8)), QPoint(b.i16(10), b.i16(12)));
    bild.je_zoll = b.u16(14);
    std::uint16_t summe = 0;
    for (int i = 0; i < 10; ++i)
        summe ^= b.u16(2 * i);
    bild.pruefsumme_stimmt = summe == b.u16(20);
    if (b.u16(22) != 1 || b.u16(24) != 9 || b.u16(26) != 0x0300)
        bild.fehler.push_back("Kopf: Typ, Groesse oder Version falsch");
    bild.groesse_worte = b.u32(28);
    bild.objekte = b.u16(32);
    bild.groesster_satz = b.u32(34);
    if (qsizetype(bild.groesse_worte) * 2 + 22 != b.size())
        bild.fehler.push_back("Dateigroesse im Kopf falsch");

    Tabelle t(bild);
    Zustand z;
    std::uint32_t groesster = 0;
    for (qsizetype pos = 40; pos < b.size();) {
        const std::uint32_t worte = b.u32(pos);
        const std::uint16_t f = b.u16(pos + 4);
        if (worte < 3 || !b.hat(pos, 2 * qsizetype(worte))) {
            bild.fehler.push_back("Satz ueberschreitet das Dateiende");
            break;
        }
        groesster = std::max(groesster, worte);
        bild.satztypen.push_back(f);
        const qsizetype p = pos + 6; // parameters
        auto punkt = [&](qsizetype i) { return QPoint(b.i16(i), b.i16(i + 2)); };
        auto punkt_yx = [&](qsizetype i) { return QPoint(b.i16(i + 2), b.i16(i)); };
        switch (f) {
        case 0x0000:
            bild.endsatz = true;
            if (pos + 6 != b.size()) bild.fehler.push_back("Daten nach dem Endsatz");
            break;
        case 0x0103:
            bild.abbildungsmodus = b.u16(p);
            break;
        case 0x020B:
            bild.fenster_ursprung = punkt_yx(p);
            break;
        case 0x020C:
            bild.fenster_ausdehnung = punkt_yx(p);
            break;
        case 0x0209:
            z.textfarbe = farbe(b, p);
            break;
        case 0x02FA:
            t.erzeuge(t.freie_nummer(), Lesestift{b.u16(p), b.i16(p + 2), farbe(b, p + 6)});
            break;
        case 0x02FC:
            t.erzeuge(t.freie_nummer(), Lesepinsel{b.u16(p), farbe(b, p + 2)});
            break;
        case 0x02FB: {
            Leseschrift s{
                b.i16(p), b.i16(p + 4), b.i16(p + 6), b.i16(p + 8), b.u8(p + 10) != 0, b.u8(p + 13),
                {}};
            for (int i = 0; i < 32 && b.u8(p + 18 + i); ++i)
                s.name.append(QChar(cp1252_zu_unicode(b.u8(p + 18 + i))));
            t.erzeuge(t.freie_nummer(), s);
            break;
        }
        case 0x012D:
            t.waehle(b.u16(p));
            break;
        case 0x01F0:
            t.loesche(b.u16(p));
            break;
        case 0x0214:
            z.position = punkt_yx(p);
            break;
        case 0x0213: {
            Zeichnung d;
            d.punkte = {z.position, punkt_yx(p)};
            z.position = d.punkte[1];
            zeichne(bild, t, z, d, false);
            break;
        }
        case 0x0325:
        case 0x0324: {
            Zeichnung d;
            d.art = f == 0x0325 ? Zeichnung::linienzug : Zeichnung::vieleck;
            const int n = b.i16(p);
            for (int i = 0; i < n; ++i)
                d.punkte.push_back(punkt(p + 2 + 4 * i));
            zeichne(bild, t, z, d, f == 0x0324);
            break;
        }
        case 0x0538: {
            Zeichnung d;
            d.art = Zeichnung::vielecke;
            const int n = b.u16(p);
            qsizetype q = p + 2 + 2 * n;
            for (int i = 0; i < n; ++i) {
                d.teilgroessen.push_back(b.u16(p + 2 + 2 * i));
                for (int j = 0; j < d.teilgroessen.back(); ++j, q += 4)
                    d.punkte.push_back(punkt(q));
            }
            zeichne(bild, t, z, d, true);
            break;
        }
        case 0x0418:
        case 0x041B: {
            Zeichnung d;
            d.art = f == 0x0418 ? Zeichnung::ellipse : Zeichnung::rechteck;
            d.punkte = {QPoint(b.i16(p + 6), b.i16(p + 4)), QPoint(b.i16(p + 2), b.i16(p))};
            zeichne(bild, t, z, d, true);
            break;
        }
        case 0x0A32: {
            Zeichnung d;
            d.art = Zeichnung::text;
            d.punkte = {punkt_yx(p)};
            const int n = b.i16(p + 4);
            const std::uint16_t optionen = b.u16(p + 6);
            qsizetype s = p + 8 + ((optionen & 0x0006) ? 8 : 0);
            d.schrift = t.aktuell<Leseschrift>("Schrift");
            d.inhalt = wmf_text(b, s, n, d.schrift && d.schrift->zeichensatz == 2);
            const qsizetype dx = s + (n + 1) / 2 * 2;
            if (dx + 2 * n <= pos + 2 * qsizetype(worte))
                for (int i = 0; i < n; ++i)
                    d.vorschub.push_back(b.i16(dx + 2 * i));
            d.textfarbe = z.textfarbe;
            bild.zeichnungen.push_back(d);
            break;
        }
        default:
            break;
        }
        pos += 2 * qsizetype(worte);
    }
    if (groesster != bild.groesster_satz) bild.fehler.push_back("groesster Satz im Kopf falsch");
    if (!bild.endsatz) bild.fehler.push_back("kein Endsatz");
    bild.offen_am_ende = t.offen();
    return bild;
}

Metabild lies_emf(const QByteArray& daten) {
    Metabild bild;
    Bytes b(daten);
    if (b.size() < 108 || b.u32(0) != 1) {
        bild.fehler.push_back("kein EMR_HEADER");
        return bild;
    }
    auto rechteck = [&](qsizetype i) {
        return QRect(QPoint(b.i32(i), b.i32(i + 4)), QPoint(b.i32(i + 8), b.i32(i + 12)));
    };
    auto punkt = [&](qsizetype i) { return QPoint(b.i32(i), b.i32(i + 4)); };
    bild.grenzen = rechteck(8);
    bild.rahmen = rechteck(24);
    bild.signatur = b.u32(40);
    bild.bytes = b.u32(48);
    bild.saetze = b.u32(52);
    bild.griffe = b.u16(56);
    bild.geraet_pixel = punkt(72);
    bild.geraet_mm = punkt(80);
    if (b.u32(4) >= 108) bild.geraet_mikrometer = punkt(100);
    if (bild.bytes != std::uint32_t(b.size())) bild.fehler.push_back("nBytes falsch");

    Tabelle t(bild);
    Zustand z;
    for (qsizetype pos = 0; pos < b.size();) {
        const std::uint32_t typ = b.u32(pos), groesse = b.u32(pos + 4);
        if (groesse < 8 || groesse % 4 != 0 || !b.hat(pos, groesse)) {
            bild.fehler.push_back("Satzgroesse falsch");
            break;
        }
        bild.satztypen.push_back(typ);
        const qsizetype p = pos + 8;
        auto punkte = [&](Zeichnung& d, qsizetype von, std::uint32_t n, bool kurz) {
            for (std::uint32_t i = 0; i < n; ++i)
                d.punkte.push_back(kurz ? QPoint(b.i16(von + 4 * i), b.i16(von + 4 * i + 2))
                                        : punkt(von + 8 * i));
        };
        switch (typ) {
        case 14:
            bild.endsatz = true;
            if (pos + groesse != b.size()) bild.fehler.push_back("Daten nach dem Endsatz");
            break;
        case 17:
            bild.abbildungsmodus = b.i32(p);
            break;
        case 9:
            bild.fenster_ausdehnung = punkt(p);
            break;
        case 10:
            bild.fenster_ursprung = punkt(p);
            break;
        case 11:
            bild.viewport_ausdehnung = punkt(p);
            break;
        case 24:
            z.textfarbe = farbe(b, p);
            break;
        case 95:
            t.erzeuge(b.i32(p), Lesestift{b.u32(p + 20), b.i32(p + 24), farbe(b, p + 32)});
            break;
        case 38:
            t.erzeuge(b.i32(p), Lesestift{b.u32(p + 4), b.i32(p + 8), farbe(b, p + 16)});
            break;
        case 39:
            t.erzeuge(b.i32(p), Lesepinsel{b.u32(p + 4), farbe(b, p + 8)});
            break;
        case 82: {
            const qsizetype l = p + 4;
            Leseschrift s{b.i32(l),
                          b.i32(l + 8),
                          b.i32(l + 12),
                          b.i32(l + 16),
                          b.u8(l + 20) != 0,
                          b.u8(l + 23),
                          {}};
            for (int i = 0; i < 32 && b.u16(l + 28 + 2 * i); ++i)
                s.name.append(QChar(b.u16(l + 28 + 2 * i)));
            t.erzeuge(b.i32(p), s);
            break;
        }
        case 37: {
            const std::uint32_t nr = b.u32(p);
            if (nr & 0x80000000u) {
                const std::uint32_t vorrat = nr & 0x7FFFFFFF;
                t.waehle_vorrat(vorrat <= 5 ? 1 : vorrat <= 8 ? 0 : 2);
            } else {
                t.waehle(int(nr));
            }
            break;
        }
        case 40:
            t.loesche(b.i32(p));
            break;
        case 27:
            z.position = punkt(p);
            break;
        case 54: {
            Zeichnung d;
            d.punkte = {z.position, punkt(p)};
            z.position = d.punkte[1];
            zeichne(bild, t, z, d, false);
            break;
        }
        case 4:
        case 87:
        case 3:
        case 86: {
            Zeichnung d;
            d.art = (typ == 4 || typ == 87) ? Zeichnung::linienzug : Zeichnung::vieleck;
            punkte(d, p + 20, b.u32(p + 16), typ >= 86);
            zeichne(bild, t, z, d, d.art == Zeichnung::vieleck);
            break;
        }
        case 8:
        case 91: {
            Zeichnung d;
            d.art = Zeichnung::vielecke;
            const std::uint32_t n = b.u32(p + 16), alle = b.u32(p + 20);
            for (std::uint32_t i = 0; i < n; ++i)
                d.teilgroessen.push_back(int(b.u32(p + 24 + 4 * i)));
            punkte(d, p + 24 + 4 * n, alle, typ == 91);
            zeichne(bild, t, z, d, true);
            break;
        }
        case 42:
        case 43: {
            Zeichnung d;
            d.art = typ == 42 ? Zeichnung::ellipse : Zeichnung::rechteck;
            d.punkte = {punkt(p), punkt(p + 8)};
            zeichne(bild, t, z, d, true);
            break;
        }
        case 84: {
            Zeichnung d;
            d.art = Zeichnung::text;
            const qsizetype e = p + 28; // EmrText
            d.punkte = {punkt(e)};
            const std::uint32_t n = b.u32(e + 8), text = b.u32(e + 12), dx = b.u32(e + 36);
            for (std::uint32_t i = 0; i < n; ++i)
                d.inhalt.append(QChar(b.u16(pos + text + 2 * i)));
            if (dx)
                for (std::uint32_t i = 0; i < n; ++i)
                    d.vorschub.push_back(b.i32(pos + dx + 4 * i));
            d.schrift = t.aktuell<Leseschrift>("Schrift");
            d.textfarbe = z.textfarbe;
            bild.zeichnungen.push_back(d);
            break;
        }
        default:
            break;
        }
        pos += groesse;
    }
    if (bild.saetze != bild.satztypen.size()) bild.fehler.push_back("nRecords falsch");
    if (!bild.endsatz) bild.fehler.push_back("kein Endsatz");
    bild.offen_am_ende = t.offen();
    return bild;
}

} // namespace zol::test
