#include "shell/haupt/vorlagenliste.h"

#include "shell/haupt/datenordner.h"
#include "shell/rahmen/datei.h"

#include <QTreeWidget>

namespace zol {

namespace {

// Position of the "(" that opens the template name, or -1.
qsizetype namensanfang(const QString& eintrag) {
    const QString t = eintrag.trimmed();
    if (!t.endsWith(QLatin1Char(')'))) return -1;
    const qsizetype auf = t.lastIndexOf(QLatin1Char('('));
    if (auf < 0 || t.mid(auf + 1, t.size() - auf - 2).trimmed().isEmpty()) return -1;
    return auf;
}

void zeilen_sammeln(const QTreeWidgetItem* eintrag, int ebene, QStringList& zeilen) {
    zeilen << QString(ebene, QLatin1Char('\t')) + eintrag->text(0);
    for (int i = 0; i < eintrag->childCount(); ++i)
        zeilen_sammeln(eintrag->child(i), ebene + 1, zeilen);
}

void eintraege_sammeln(QTreeWidgetItem* eintrag, QList<QTreeWidgetItem*>& liste) {
    liste << eintrag;
    for (int i = 0; i < eintrag->childCount(); ++i)
        eintraege_sammeln(eintrag->child(i), liste);
}

} // namespace

void gliederung_fuellen(QTreeWidget* baum, const QStringList& zeilen) {
    baum->clear();
    QList<QTreeWidgetItem*> pfad; // the last entry of every level so far
    for (const QString& zeile : zeilen) {
        int ebene = 0;
        while (ebene < zeile.size() && zeile[ebene] == QLatin1Char('\t'))
            ++ebene;
        const QString text = zeile.mid(ebene).trimmed();
        if (text.isEmpty()) continue;
        ebene = std::min<int>(ebene, static_cast<int>(pfad.size()));
        pfad.resize(ebene);
        auto* eintrag = ebene == 0 ? new QTreeWidgetItem(baum) : new QTreeWidgetItem(pfad.last());
        eintrag->setText(0, text);
        pfad << eintrag;
    }
}

QStringList gliederung_zeilen(const QTreeWidget* baum) {
    QStringList zeilen;
    for (int i = 0; i < baum->topLevelItemCount(); ++i)
        zeilen_sammeln(baum->topLevelItem(i), 0, zeilen);
    return zeilen;
}

QList<QTreeWidgetItem*> gliederung_eintraege(const QTreeWidget* baum) {
    QList<QTreeWidgetItem*> liste;
    for (int i = 0; i < baum->topLevelItemCount(); ++i)
        eintraege_sammeln(baum->topLevelItem(i), liste);
    return liste;
}

bool gliederung_laden(QTreeWidget* baum) {
    baum->clear();
    const QString datei = datenpfad(vorlagenindex);
    if (datei.isEmpty()) return true;
    QStringList zeilen;
    if (!zeilen_lesen(datei, zeilen, baum)) return false;
    gliederung_fuellen(baum, zeilen);
    return true;
}

QString vorlagenname(const QString& eintrag) {
    const qsizetype auf = namensanfang(eintrag);
    if (auf < 0) return {};
    const QString t = eintrag.trimmed();
    return t.mid(auf + 1, t.size() - auf - 2).trimmed();
}

QString vorlagenbeschreibung(const QString& eintrag) {
    const qsizetype auf = namensanfang(eintrag);
    const QString t = eintrag.trimmed();
    return auf < 0 ? t : t.left(auf).trimmed();
}

} // namespace zol
