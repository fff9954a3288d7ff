#include "shell/haupt/knopfleiste.h"

#include <QAbstractButton>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace zol {

const std::vector<Werkzeugknopf>& werkzeugknoepfe() {
    static const std::vector<Werkzeugknopf> knoepfe = {
        {1, "Symbolleiste<->Hauptmenü"},
        {2, "Projekt öffnen"},
        {3, "Projekt speichern"},
        {4, "Projekt speichern unter"},
        {5, "Beenden"},
        {6, "Hilfe"},
        {7, "Demo"},
        {8, "Projektformeln anzeigen"},
        {9, "Projektformeln bearbeiten"},
        {10, "Vorgabe Zahlenformat"},
        {11, "Neues Rechnenfenster"},
        {12, "Tabellenkalkulation"},
        {13, "Zeichnen"},
        {14, "Wertetabelle"},
        {15, "Diskussion"},
        {16, "Diskussion von 2 Fkt."},
        {17, "Polynome"},
        {18, "Gebrochen rationale Fkt."},
        {19, "Symbolisches Differenzieren"},
        {20, "Tangente/Normale"},
        {21, "Primzahlen/ggT/kgV"},
        {22, "Bruchrechnung"},
        {23, "Polynome rechnen"},
        {24, "Komplexe Zahlen"},
        {25, "Zahlensysteme"},
        {26, "Fraktale"},
        {27, "Vektoren / Koordinaten"},
        {28, "Dreiecke"},
        {29, "Vierecke"},
        {30, "Abbildungen"},
        {31, "Gerade (lineare Fkt.)"},
        {32, "Parabel (quadratische Fkt.)"},
        {33, "Parabel-Gerade"},
        {34, "Vektoren R3"},
        {35, "Punkt-Gerade"},
        {36, "Punkt-Ebene"},
        {37, "Ebene"},
        {38, "Ebene-Ebene"},
        {39, "Gerade-Ebene"},
        {40, "Gerade-Gerade"},
        {41, "Determinante"},
        {42, "Gleichungssystem"},
        {43, "Interpolation"},
        {44, "Matrizen"},
        {45, "Fourieranalyse"},
        {46, "Fast Fourier Transformation"},
        {47, "Binomialverteilung"},
        {48, "Statistik"},
        {49, "Kombinatorik"},
        {50, "Vorherige Vorlage"},
        {51, "Nächste Vorlage"},
    };
    return knoepfe;
}

int knoepfe_anordnen(QWidget* leiste, int breite) {
    QList<QAbstractButton*> knoepfe;
    for (QAbstractButton* k : leiste->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (k->property("Tag").toInt() > 0) knoepfe << k;
    std::stable_sort(knoepfe.begin(), knoepfe.end(), [](QAbstractButton* a, QAbstractButton* b) {
        return a->property("Tag").toInt() < b->property("Tag").toInt();
    });
    const int spalten = std::max(1, breite / knopfzelle);
    for (int i = 0; i < knoepfe.size(); ++i) {
        knoepfe[i]->setGeometry((i % spalten) * knopfzelle, (i / spalten) * knopfzelle, knopfzelle,
                                knopfzelle);
        knoepfe[i]->show();
    }
    return knoepfe.isEmpty() ? 0 : static_cast<int>((knoepfe.size() + spalten - 1) / spalten);
}

} // namespace zol
