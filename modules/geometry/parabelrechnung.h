#pragma once
// Parabolas y = a·x² + b·x + c as quadratic functions, free of the windows: the general form
// from the five input forms (the point forms through the shared Gauss-Jordan solver), vertex,
// zeros and y-intercept, the intersection with a line and its angles, and the result lines of
// the parabola windows.
#include "modules/geometry/geradenrechnung.h"
#include "modules/geometry/zeichenrahmen.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct Parabelgleichung {
    long double a = 1;
    long double b = 0;
    long double c = 0;
};

enum class Parabelform {
    drei_punkte,
    formfaktor_zwei_punkte,
    scheitelform,
    allgemein,
    linearfaktoren
};

struct Parabelangabe {
    Parabelform form = Parabelform::allgemein;
    long double a = 1; // form factor of every form but the three points
    Vektor2 p1, p2, p3;
    long double b = 0, c = 0;   // general form
    long double xs = 0, ys = 0; // vertex
    long double x1 = 0, x2 = 0; // linear factors
};

// The general form. False with the message in fehler: "Gleichung nicht lösbar" when the points'
// system is singular (two points with one x), "Fehlerhafte Eingabe" for a = 0 (three points on a
// line give it too) or a result that is not finite; p is then unchanged.
bool parabel_bestimmen(const Parabelangabe& vorgabe, Parabelgleichung& p, std::string& fehler);

// The real solutions of A·x² + B·x + C = 0 (A ≠ 0) as x1 = (−B + √D)/(2A) and
// x2 = (−B − √D)/(2A), computed without cancellation; a discriminant D = B² − 4AC that vanishes
// within the tolerance gives the double root. False when D < 0.
bool quadratisch_loesen(long double A, long double B, long double C, long double& x1,
                        long double& x2);

struct Parabelergebnis {
    Parabelgleichung p;
    long double xs = 0, ys = 0;
    bool hat_nullstellen = false;
    long double x1 = 0, x2 = 0;
};
Parabelergebnis parabel_auswerten(const Parabelgleichung& p);

// "poly(x)=" a "*x^2" b "*x" c; "Paraline(x)=" a "*(x" −x1 ")*(x" −x2 ")" when there are zeros;
// "Parascheit(x)=" a "*(x" −xs ")^2" ys.
std::vector<std::string> parabelzeilen(const Parabelergebnis& e, std::string_view bild);
// a "*x^2" b "*x" c, for drawing.
std::string parabelterm(const Parabelgleichung& p, std::string_view bild);

// The angle in degrees between the line of slope m and a curve of tangent slope k at their
// common point: 90 when 1 + k·m vanishes, else arctan |(k − m)/(1 + k·m)|.
long double parabel_schnittwinkel(long double k, long double m);

struct Parabelgeradenschnitt {
    bool hat_schnittpunkte = false;
    Vektor2 s1, s2; // on the line
    long double alpha1 = 0, alpha2 = 0;
};
Parabelgeradenschnitt parabel_gerade(const Parabelgleichung& p, const Geradengleichung& g);

// ";Geradengleichung:", "g(x)=…", ";Schnittpunkte:", "x1=…", "x2=…", ";Winkel zwischen Gerade
// und x-Achse", "alpha1=…", "alpha2=…"; without intersection ";Keine Schnittpunkte" after
// ";Schnittpunkte:" and nothing else.
std::vector<std::string> schnittzeilen(const Geradengleichung& g, const Parabelgeradenschnitt& s,
                                       std::string_view bild);

// Plot ranges: the line's axis intercepts and the origin; the parabola's vertex, zeros,
// y-intercept and its points two units beside the vertex; for parabola and line both of these
// and the intersections.
Zeichenrahmen geradenrahmen(const Geradengleichung& g);
Zeichenrahmen parabelrahmen(const Parabelergebnis& e);
Zeichenrahmen schnittrahmen(const Parabelergebnis& e, const Geradengleichung& g,
                            const Parabelgeradenschnitt& s);

} // namespace zol
