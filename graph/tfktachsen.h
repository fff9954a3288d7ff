#pragma once
// The plot engine: turns the settings of a plot window into the frame, axes, ticks, grid,
// labels and titles of a page, and its curves into polylines. It paints nothing; everything
// goes into the display list as objects.
//
// One engine object serves one rebuild: Tfktachsen e(liste, vorgaben); e.achsenzeichnen();
// then for each curve e.aktuell = &eintrag; e.fktzeichnen(); (neuaufbau.h does all of it).
#include "graph/tlist1.h"
#include "graph/vorgaben.h"

#include <QRectF>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zol {

class tfunktion;
struct Tabellenpunkte;

class Tfktachsen {
public:
    static constexpr int max_striche = 200; // ticks per axis
    // Samples one page may compute: every field of a plot file has its bound, but a family of
    // 10 000 members at a resolution of 999 999 would still take hours and gigabytes. Curves
    // that would go beyond it are left out, with one message.
    static constexpr long long max_seitenpunkte = 10'000'000;

    Tfktachsen(Tlist1& liste, Tzeichenvorgaben& vorgaben);
    ~Tfktachsen();
    Tfktachsen(const Tfktachsen&) = delete;
    Tfktachsen& operator=(const Tfktachsen&) = delete;

    // Reads the settings and computes the mapping. Clears a log flag whose range is not
    // positive (with a message); an empty or non-finite range is reported once per engine.
    void skalieren();
    // World to page coordinates, rounded half to even.
    std::int32_t xpunkt(long double x) const;
    std::int32_t ypunkt(long double y) const;
    // A line with the axis pen, a text with the label font.
    void linie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void textobjekt(std::int32_t x, std::int32_t y, const std::string& text);

    void achsenzeichnen();
    // Curves of the current record.
    void fktzeichnen();
    const Teinzelnefkt* aktuell = nullptr;

    // The mapping of the last skalieren (page units).
    bool gueltig() const { return gueltig_; }
    std::int32_t rechts() const { return rechts_; }
    std::int32_t oben() const { return oben_; }
    std::int32_t links() const { return links_; }
    std::int32_t unten() const { return unten_; }
    // Page positions of the ticks of the last achsenzeichnen.
    const std::vector<std::int32_t>& xstriche() const { return xstriche_; }
    const std::vector<std::int32_t>& ystriche() const { return ystriche_; }

    // Page rectangles (y upward) of the tick labels of the last achsenzeichnen, for each axis.
    const std::vector<QRectF>& xzahlrahmen() const { return xzahlrahmen_; }
    const std::vector<QRectF>& yzahlrahmen() const { return yzahlrahmen_; }
    // Table files read by this engine so far (each is read once per rebuild).
    int gelesene_tabellen() const { return gelesene_tabellen_; }

private:
    // Ticks and labels (achsenbeschriftung.cpp).
    struct Strich {
        long double wert = 0;
        int zaehler = 0; // the label counter where a run of ticks starts, else 0
    };
    struct Beschriftung {
        Tpunkt ort;
        std::string text;
    };
    std::vector<Strich> strichfolge(bool xachse) const;
    std::vector<bool> beschriftet(const std::vector<Strich>& striche, long long intervall) const;
    std::vector<bool> ausgeduennt(bool xachse, const std::vector<Strich>& striche);
    Beschriftung beschriftung(bool xachse, long double v) const;
    void striche_erzeugen(bool xachse);
    void strich_x(long double v, bool mit_zahl);
    void strich_y(long double v, bool mit_zahl);
    void titel();
    std::string zahl(long double v) const;
    void textzeile(const std::string& zeile);

    // Curves (fktkurven.cpp).
    bool x_abtastung(long double& x0, long double& h, int& n) const;
    bool im_ybereich(long double v) const;
    void wertkurve(const tfunktion& f);
    void ableitkurve(const tfunktion& f);
    void zweitableitkurve(const tfunktion& f);
    void integralkurve(const tfunktion& f);
    void parameterkurve(const tfunktion& fx, const tfunktion& fy);
    void tabellenkurve();
    void streckeanfuegen(Tpunkt a, Tpunkt b);
    void linienzugabschliessen();
    // Books the samples of the current record against the page's budget; false (with one
    // message per page) when they do not fit.
    bool punkte_buchen(long long anzahl);
    // The points of a table file, read at its first use in this rebuild.
    const Tabellenpunkte* tabelle(const std::string& pfad);

    Tlist1& liste_;
    Tzeichenvorgaben& v_;
    // Mapping: offsets are whole numbers, kept wide so that extreme ranges cannot overflow.
    long double xoffset_ = 0, yoffset_ = 0;
    std::int32_t breite_ = 0, hoehe_ = 0;
    long double xbereich_ = 0, xskal_ = 0, xlogskal_ = 0;
    long double ybereich_ = 0, yskal_ = 0, ylogskal_ = 0;
    std::int32_t rechts_ = 0, oben_ = 0, links_ = 0, unten_ = 0;
    bool gueltig_ = false;
    bool bereich_gemeldet_ = false;
    // Curve point buffer.
    int punktzahl_ = 0;
    std::array<Tpunkt, 1000> puffer_{};
    std::vector<std::int32_t> xstriche_, ystriche_;
    std::vector<QRectF> xzahlrahmen_, yzahlrahmen_;
    std::int32_t x0_ = 0, y0_ = 0; // page position of the axes
    long long seitenpunkte_ = 0;
    bool zuviel_gemeldet_ = false;
    std::map<std::string, std::unique_ptr<Tabellenpunkte>> tabellen_;
    int gelesene_tabellen_ = 0;
};

} // namespace zol
