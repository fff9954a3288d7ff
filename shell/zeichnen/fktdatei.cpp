#include "shell/zeichnen/fktdatei.h"

#include "engine/zahlformat.h"
#include "engine/zahlwert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace zol::fktdatei {

namespace {

// Limits of what a plot file may hold; anything beyond is a damaged file, not a setting.
constexpr long long max_eintraege = 100000;
constexpr long long max_aufloesung = 999999;
constexpr long long max_scharglieder = 10000;
constexpr long long max_stiftbreite = 1000;
constexpr long long max_schriftgroesse = 1000;
constexpr double min_faktor = 0.01;
constexpr double max_faktor = 20;

QString zahltext(long double w) {
    return QString::fromStdString(allgemeinformat(w));
}

QString ganztext(long long w) {
    return QString::fromStdString(std::to_string(w));
}

QString feld(const QString& inhalt) {
    return inhalt + QLatin1Char('#');
}

QString wahr_feld(bool w) {
    return feld(w ? QStringLiteral("1") : QStringLiteral("0"));
}

QString stift_felder(const Tstift& s) {
    return feld(ganztext(farbe_als_zahl(s.farbe))) + feld(ganztext(s.breite)) +
           feld(ganztext(s.stil));
}

// The fields of one line, read one after the other; every reader fails on a missing field or
// on a text that is not what the field must hold.
class Felder {
public:
    explicit Felder(const QString& zeile) : teile_(zeile.split(QLatin1Char('#'))) {}

    bool text(QString& w) {
        if (i_ >= teile_.size()) return false;
        w = teile_[i_++];
        return true;
    }
    bool zahl(long double& w) {
        QString t;
        if (!text(t)) return false;
        long double z = 0;
        if (!zahlwert(t.trimmed().toStdString(), z) || !std::isfinite(z)) return false;
        w = z;
        return true;
    }
    bool ganz(long long& w, long long min, long long max) {
        QString t;
        if (!text(t)) return false;
        const std::string s = t.trimmed().toStdString();
        long long z = 0;
        const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), z);
        if (s.empty() || fehler != std::errc() || ende != s.data() + s.size()) return false;
        if (z < min || z > max) return false;
        w = z;
        return true;
    }
    template <class T> bool ganz(T& w, long long min, long long max) {
        long long z = 0;
        if (!ganz(z, min, max)) return false;
        w = static_cast<T>(z);
        return true;
    }
    bool wahr(bool& w) {
        long long z = 0;
        if (!ganz(z, 0, 1)) return false;
        w = z == 1;
        return true;
    }
    bool stift(Tstift& s) {
        long long farbe = 0;
        if (!ganz(farbe, INT32_MIN, UINT32_MAX)) return false;
        s.farbe = zahl_als_farbe(farbe);
        return ganz(s.breite, 0, max_stiftbreite) && ganz(s.stil, 0, 255);
    }

private:
    QStringList teile_;
    int i_ = 0;
};

bool eintrag_lesen(const QStringList& zeilen, int& index, Teinzelnefkt& e) {
    if (index + 1 >= zeilen.size()) return false;
    if (zeilen[index].size() > max_zeilenlaenge || zeilen[index + 1].size() > max_zeilenlaenge)
        return false;
    e.name = zeilen[index++].toStdString();
    Felder f(zeilen[index++]);
    Tstift stift;
    if (!f.stift(stift)) return false;
    e.farbe = stift.farbe;
    e.breite = stift.breite;
    e.stil = static_cast<std::uint8_t>(stift.stil);
    if (!f.ganz(e.art, 0, 3)) return false;
    // The restriction is stored inverted: "0" means restricted.
    auto einschraenkung = [&] {
        bool frei = false;
        if (!f.wahr(frei)) return false;
        e.einschraenken = !frei;
        return true;
    };
    switch (e.art) {
    case Teinzelnefkt::funktion: {
        int ziffer = 0;
        if (!f.ganz(ziffer, 0, 3) || !einschraenkung() || !f.zahl(e.von) || !f.zahl(e.bis) ||
            !f.ganz(e.aufloesung, 1, max_aufloesung) || !f.zahl(e.integralkonst) ||
            !f.ganz(e.simpson, INT32_MIN, INT32_MAX))
            return false;
        setze_kurvenziffer(e, ziffer);
        return true;
    }
    case Teinzelnefkt::schar:
        if (!f.zahl(e.scharvon) || !f.zahl(e.scharschritt) ||
            !f.ganz(e.scharanzahl, 0, max_scharglieder) || !einschraenkung() || !f.zahl(e.von) ||
            !f.zahl(e.bis) || !f.ganz(e.aufloesung, 1, max_aufloesung))
            return false;
        break;
    case Teinzelnefkt::parameter:
        if (!f.zahl(e.scharvon) || !f.zahl(e.scharschritt) ||
            !f.ganz(e.scharanzahl, 1, max_aufloesung))
            return false;
        break;
    default:
        return true;
    }
    if (index >= zeilen.size() || zeilen[index].size() > max_zeilenlaenge) return false;
    e.name2 = zeilen[index++].toStdString();
    return true;
}

} // namespace

int zu_lange_zeile(const QStringList& zeilen) {
    for (qsizetype i = 1; i < zeilen.size(); ++i)
        if (zeilen[i].size() > (i == 1 ? max_formatlaenge : max_zeilenlaenge))
            return static_cast<int>(i + 1);
    return 0;
}

int farbe_als_zahl(const QColor& farbe) {
    return farbe.red() | (farbe.green() << 8) | (farbe.blue() << 16);
}

QColor zahl_als_farbe(long long zahl) {
    // Values with a high byte name system colours of other programs; they become black.
    if (zahl < 0 || zahl > 0xFFFFFF) return Qt::black;
    return QColor(static_cast<int>(zahl & 0xFF), static_cast<int>((zahl >> 8) & 0xFF),
                  static_cast<int>((zahl >> 16) & 0xFF));
}

QStringList kopf_schreiben(const Kopf& k) {
    const Tschrift& s = k.schrift;
    const QString zeile3 = feld(zahltext(k.ansichtsfaktor)) + stift_felder(k.achsenstift) +
                           stift_felder(k.funktionsstift) + feld(QString::fromStdString(s.name)) +
                           wahr_feld(s.fett) + wahr_feld(s.kursiv) + wahr_feld(s.unterstrichen) +
                           wahr_feld(s.durchgestrichen) + feld(ganztext(farbe_als_zahl(s.farbe))) +
                           feld(ganztext(s.groesse)) + wahr_feld(k.eingabe_zeigen);
    return {QString::fromLatin1(kennung), k.zahlformat, zeile3};
}

bool kopf_lesen(const QStringList& zeilen, Kopf& kopf, int& fehlerzeile) {
    fehlerzeile = 1;
    if (zeilen.isEmpty() || zeilen[0] != QLatin1String(kennung)) return false;
    fehlerzeile = 2;
    if (zeilen.size() > 1 && zeilen[1].size() > max_formatlaenge) return false;
    fehlerzeile = 3;
    if (zeilen.size() < 3 || zeilen[2].size() > max_zeilenlaenge) return false;
    Kopf k;
    k.zahlformat = zeilen[1];
    Felder f(zeilen[2]);
    long double faktor = 0;
    QString name;
    long long farbe = 0;
    if (!f.zahl(faktor) || !(faktor >= min_faktor && faktor <= max_faktor)) return false;
    k.ansichtsfaktor = static_cast<double>(faktor);
    if (!f.stift(k.achsenstift) || !f.stift(k.funktionsstift) || !f.text(name) ||
        !f.wahr(k.schrift.fett) || !f.wahr(k.schrift.kursiv) || !f.wahr(k.schrift.unterstrichen) ||
        !f.wahr(k.schrift.durchgestrichen) || !f.ganz(farbe, INT32_MIN, UINT32_MAX) ||
        !f.ganz(k.schrift.groesse, 1, max_schriftgroesse) || !f.wahr(k.eingabe_zeigen))
        return false;
    if (!name.trimmed().isEmpty()) k.schrift.name = name.toStdString();
    k.schrift.farbe = zahl_als_farbe(farbe);
    kopf = k;
    fehlerzeile = 0;
    return true;
}

QStringList eintraege_schreiben(const std::vector<Teinzelnefkt>& eintraege) {
    QStringList z{ganztext(static_cast<long long>(eintraege.size()))};
    for (const Teinzelnefkt& e : eintraege) {
        z << QString::fromStdString(e.name);
        QString zeile = stift_felder({e.farbe, e.breite, e.stil}) + feld(ganztext(e.art));
        const QString einsch = wahr_feld(!e.einschraenken);
        switch (e.art) {
        case Teinzelnefkt::funktion:
            zeile += feld(ganztext(kurvenziffer(e))) + einsch + feld(zahltext(e.von)) +
                     feld(zahltext(e.bis)) + feld(ganztext(e.aufloesung)) +
                     feld(zahltext(e.integralkonst)) + feld(ganztext(e.simpson));
            z << zeile;
            break;
        case Teinzelnefkt::schar:
            zeile += feld(zahltext(e.scharvon)) + feld(zahltext(e.scharschritt)) +
                     feld(ganztext(e.scharanzahl)) + einsch + feld(zahltext(e.von)) +
                     feld(zahltext(e.bis)) + feld(ganztext(e.aufloesung));
            z << zeile << QString::fromStdString(e.name2);
            break;
        case Teinzelnefkt::parameter:
            zeile += feld(zahltext(e.scharvon)) + feld(zahltext(e.scharschritt)) +
                     feld(ganztext(e.scharanzahl));
            z << zeile << QString::fromStdString(e.name2);
            break;
        default:
            z << zeile;
            break;
        }
    }
    return z;
}

bool eintraege_lesen(const QStringList& zeilen, int& index, std::vector<Teinzelnefkt>& eintraege,
                     int& fehlerzeile) {
    fehlerzeile = index + 1;
    if (index < 0 || index >= zeilen.size()) return false;
    Felder anzahlfeld(zeilen[index] + QLatin1Char('#'));
    long long anzahl = 0;
    if (!anzahlfeld.ganz(anzahl, 0, max_eintraege)) return false;
    int i = index + 1;
    std::vector<Teinzelnefkt> neu;
    neu.reserve(static_cast<std::size_t>(std::min<long long>(anzahl, zeilen.size())));
    for (long long n = 0; n < anzahl; ++n) {
        Teinzelnefkt e;
        const int anfang = i;
        if (!eintrag_lesen(zeilen, i, e)) {
            fehlerzeile = std::min<int>(static_cast<int>(zeilen.size()), anfang + 2);
            return false;
        }
        neu.push_back(std::move(e));
    }
    index = i;
    eintraege = std::move(neu);
    fehlerzeile = 0;
    return true;
}

int kurvenziffer(const Teinzelnefkt& e) {
    if (e.zeigewert) return 0;
    if (e.zeigeableit) return 1;
    if (e.zeige2ableit) return 2;
    if (e.zeigeintegral) return 3;
    return 0;
}

void setze_kurvenziffer(Teinzelnefkt& e, int ziffer) {
    e.zeigewert = ziffer == 0;
    e.zeigeableit = ziffer == 1;
    e.zeige2ableit = ziffer == 2;
    e.zeigeintegral = ziffer == 3;
}

QString listentext(const Teinzelnefkt& e) {
    const QString name = QString::fromStdString(e.name);
    switch (e.art) {
    case Teinzelnefkt::funktion: {
        static const char* const praefix[] = {"Fkt:", "1.Abl:", "2.Abl:", "Integ:"};
        return QString::fromLatin1(praefix[kurvenziffer(e)]) + name;
    }
    case Teinzelnefkt::schar:
        return QStringLiteral("Schar:") + name;
    case Teinzelnefkt::parameter:
        return QStringLiteral("Para:") + name + QLatin1Char(' ') + QString::fromStdString(e.name2);
    default:
        return QStringLiteral("Tab:") + name;
    }
}

} // namespace zol::fktdatei
