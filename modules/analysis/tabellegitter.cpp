#include "modules/analysis/tabellegitter.h"

#include "engine/hilfen.h"
#include "shell/rahmen/stringgrid.h"

#include <QHeaderView>

#include <string>
#include <tuple>
#include <vector>

namespace zol {

int Gitterpaar::zeilen() const {
    return anzeige_.rowCount();
}

int Gitterpaar::spalten() const {
    return anzeige_.colCount();
}

std::string Gitterpaar::eingabe(int spalte, int zeile) const {
    return eingabe_.cell(spalte, zeile).toStdString();
}

std::string Gitterpaar::anzeige(int spalte, int zeile) const {
    return anzeige_.cell(spalte, zeile).toStdString();
}

void Gitterpaar::setzeAnzeige(int spalte, int zeile, const std::string& text) {
    anzeige_.setCell(spalte, zeile, QString::fromStdString(text));
}

void gittergroesse_setzen(TStringGrid& gitter, int zeilen, int spalten) {
    spalten = std::clamp(spalten, gitter.fixedCols() + 1, max_spalten);
    zeilen = std::clamp(zeilen, gitter.fixedRows() + 1,
                        std::max(gitter.fixedRows() + 1, max_zellen / spalten));
    if (zeilen == gitter.rowCount() && spalten == gitter.colCount()) return;
    std::vector<std::tuple<int, int, QString>> texte;
    for (int r = 0; r < std::min(zeilen, gitter.rowCount()); ++r) {
        for (int c = 0; c < std::min(spalten, gitter.colCount()); ++c) {
            QString t = gitter.cell(c, r);
            if (!t.isEmpty()) texte.emplace_back(c, r, std::move(t));
        }
    }
    const bool sichtbar = gitter.updatesEnabled();
    gitter.setUpdatesEnabled(false);
    gitter.clearContents();
    // Columns first: the fixed items created now keep their places when rows are added.
    gitter.setColCount(spalten);
    gitter.setRowCount(zeilen);
    for (const auto& [c, r, t] : texte)
        gitter.setCell(c, r, t);
    gitter.setUpdatesEnabled(sichtbar);
}

void kopfzeilen_schreiben(TStringGrid& gitter) {
    QStringList spaltennamen{QString()};
    for (int c = 1; c < gitter.colCount(); ++c) {
        const QString name = QString::fromStdString(spaltenname(c));
        gitter.setCell(c, 0, name);
        spaltennamen << name;
    }
    QStringList zeilennummern{QString()};
    for (int r = 1; r < gitter.rowCount(); ++r) {
        const QString nummer = QString::fromStdString(std::to_string(r));
        gitter.setCell(0, r, nummer);
        zeilennummern << nummer;
    }
    gitter.setHorizontalHeaderLabels(spaltennamen);
    gitter.setVerticalHeaderLabels(zeilennummern);
}

void gitter_fuellen(TStringGrid& gitter, const QStringList& zeilen) {
    int spalten = 0;
    std::vector<QStringList> felder;
    felder.reserve(static_cast<std::size_t>(zeilen.size()));
    for (const QString& z : zeilen) {
        felder.push_back(z.split(QLatin1Char('\t')));
        spalten = std::max(spalten, static_cast<int>(felder.back().size()));
    }
    const bool sichtbar = gitter.updatesEnabled();
    gitter.setUpdatesEnabled(false);
    gitter.clearContents();
    gittergroesse_setzen(gitter, static_cast<int>(zeilen.size()), spalten);
    for (int r = 0; r < gitter.rowCount() && r < static_cast<int>(felder.size()); ++r) {
        const QStringList& zellen = felder[static_cast<std::size_t>(r)];
        for (int c = 0; c < gitter.colCount() && c < zellen.size(); ++c)
            gitter.setCell(c, r, zellen[c]);
    }
    gitter.setUpdatesEnabled(sichtbar);
}

} // namespace zol
