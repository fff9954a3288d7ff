#include "shell/zeichnen/bildexport_befehl.h"

#include "graph/export/bildexport.h"
#include "shell/dienste/konsolenmeldungen.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QFileInfo>

#include <memory>
#include <ostream>

namespace zol {

namespace {

constexpr int exit_ok = 0;
constexpr int exit_schreibfehler = 1;
constexpr int exit_aufruf = 2;

void aufruf_zeigen(std::ostream& err) {
    err << "Aufruf: zol --export DATEI.fkt BILD.(png|bmp|svg|pdf|wmf|emf) [--size BREITExHOEHE] "
           "[--scale willkürlich|winkeltreu|maßstabstreu] [--crop]\n";
}

} // namespace

int export_ausfuehren(const QStringList& argumente, std::ostream& err) {
    const qsizetype start = argumente.indexOf(QStringLiteral("--export"));
    if (start < 0 || start + 2 >= argumente.size()) {
        aufruf_zeigen(err);
        return exit_aufruf;
    }
    const QString quelle = argumente[start + 1];
    const QString ziel = argumente[start + 2];
    QString groesse;
    QString skalierung;
    bool nur_zeichnung = false;
    for (qsizetype i = start + 3; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        const bool hat_wert = i + 1 < argumente.size();
        if (a == QLatin1String("--size") && hat_wert) {
            groesse = argumente[++i];
        } else if (a == QLatin1String("--scale") && hat_wert) {
            skalierung = argumente[++i];
        } else if (a == QLatin1String("--crop")) {
            nur_zeichnung = true;
        } else {
            err << "Unbekannte oder unvollständige Angabe: " << a.toStdString() << "\n";
            aufruf_zeigen(err);
            return exit_aufruf;
        }
    }

    QString fehler;
    std::optional<Exportauftrag> auftrag = exportauftrag(ziel, groesse, skalierung, &fehler);
    if (!auftrag) {
        err << fehler.toStdString() << "\n";
        return exit_aufruf;
    }
    auftrag->nur_zeichnung = nur_zeichnung;
    const QFileInfo info(quelle);
    if (!info.isFile() || !info.isReadable()) {
        err << "Die Datei " << quelle.toStdString() << " kann nicht gelesen werden.\n";
        return exit_aufruf;
    }

    Konsolenmeldungen meldungen(err);
    auto fenster = std::make_unique<Tdialogfkt>();
    // Frame windows delete themselves on close; this one is owned here and never shown.
    fenster->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!fenster->laden(quelle)) return exit_aufruf;
    if (!bild_exportieren(fenster->anzeigeliste(), auftrag->datei, auftrag->format, auftrag->pixel,
                          auftrag->darstellung(), &fehler)) {
        err << fehler.toStdString() << "\n";
        return exit_schreibfehler;
    }
    // A page that drew only part of its curves (a table missing, too many points) is written,
    // but the caller learns that it is not the whole picture.
    return meldungen.warnungen() > 0 ? exit_schreibfehler : exit_ok;
}

} // namespace zol
