#include "shell/rahmen/datei.h"

#include "engine/textkodierung.h"
#include "shell/dienste/meldungsdienst.h"

#include <QDir>

namespace zol {

namespace {

Zeilenfang*& aktueller_fang() {
    static Zeilenfang* fang = nullptr;
    return fang;
}

} // namespace

Zeilenfang::Zeilenfang(Art art) : art_(art), vorher_(aktueller_fang()) {
    aktueller_fang() = this;
}

Zeilenfang::~Zeilenfang() {
    aktueller_fang() = vorher_;
}

bool Zeilenfang::zeilen(const QString& datei, QStringList& zeilen) const {
    const auto it = gefangen_.constFind(datei);
    if (it == gefangen_.constEnd()) return false;
    zeilen = *it;
    return true;
}

bool zeilen_lesen(const QString& datei, QStringList& zeilen, QWidget* eltern) {
    const Textdatei t = textdatei_lesen(datei.toStdString());
    const QString name = QDir::toNativeSeparators(datei);
    switch (t.fehler) {
    case Lesefehler::keiner:
        zeilen.clear();
        zeilen.reserve(static_cast<qsizetype>(t.zeilen.size()));
        for (const std::string& z : t.zeilen)
            zeilen << QString::fromStdString(z);
        return true;
    case Lesefehler::nicht_vorhanden:
        meldung(name + QStringLiteral(" Datei nicht gefunden!"), eltern);
        break;
    case Lesefehler::nicht_lesbar:
        meldung(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(name), eltern);
        break;
    case Lesefehler::binaer:
        meldung(QStringLiteral("Die Datei %1 ist keine Textdatei.").arg(name), eltern);
        break;
    case Lesefehler::zu_gross:
        meldung(QStringLiteral("Die Datei %1 ist zu groß.").arg(name), eltern);
        break;
    }
    return false;
}

namespace {

bool zeilen_schreiben_wirklich(const QString& datei, const QStringList& zeilen, QWidget* eltern) {
    std::vector<std::string> z;
    z.reserve(static_cast<std::size_t>(zeilen.size()));
    for (const QString& s : zeilen)
        z.push_back(s.toStdString());
    // A file that already says exactly this is left alone, byte for byte: saving a project
    // must not rewrite (and convert the line ends of) files nothing was changed in.
    if (const Textdatei alt = textdatei_lesen(datei.toStdString());
        alt.fehler == Lesefehler::keiner && alt.zeilen == z)
        return true;
    switch (textdatei_speichern(datei.toStdString(), z)) {
    case Schreibfehler::keiner:
        return true;
    case Schreibfehler::schreibgeschuetzt:
        meldung(QStringLiteral("Die Datei %1 ist schreibgeschützt und wurde nicht verändert.")
                    .arg(QDir::toNativeSeparators(datei)),
                eltern);
        return false;
    case Schreibfehler::nicht_schreibbar:
        break;
    }
    meldung(QStringLiteral("Die Datei %1 kann nicht gespeichert werden.")
                .arg(QDir::toNativeSeparators(datei)),
            eltern);
    return false;
}

} // namespace

bool zeilen_schreiben(const QString& datei, const QStringList& zeilen, QWidget* eltern) {
    Zeilenfang* fang = aktueller_fang();
    if (fang && fang->art_ == Zeilenfang::Art::zuhoeren) {
        fang->gefangen_.insert(datei, zeilen);
        return true;
    }
    const bool ok = zeilen_schreiben_wirklich(datei, zeilen, eltern);
    if (ok && fang) fang->gefangen_.insert(datei, zeilen);
    return ok;
}

} // namespace zol
