// Fuzz target: any bytes as a project file, restored with every window kind it names (the
// windows find their files beside it: one calculation file "r.ref" is there) and the commands
// its window sections ask for.
#include "fuzz/fenster/fuzzumgebung.h"
#include "shell/projekt/winrestorer.h"

#include <QDir>
#include <QFile>

#include <cstdint>

namespace {

class Projektziel : public zol::Projektumgebung {
public:
    zol::Fensterlage hauptfenster() const override { return {}; }
    void setzeHauptfenster(const zol::Fensterlage&) override {}
    QString vorgabeformat() const override { return format_; }
    void setzeVorgabeformat(const QString& b) override { format_ = b; }
    zol::Fensterlage werkzeugfenster() const override { return {}; }
    void setzeWerkzeugfenster(const zol::Fensterlage&) override {}
    zol::Fensterlage anzeigefenster() const override { return {}; }
    void setzeAnzeigefenster(const zol::Fensterlage&) override {}
    QList<zol::Tmodulfenster*> modulfenster() const override {
        return zol::Tmodulfenster::alleFenster();
    }
    zol::Tmodulfenster* fensterErzeugen(int art) override { return zol::fenster_erzeugen(art); }

private:
    QString format_ = QStringLiteral("0.00");
};

void schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(inhalt);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > (1u << 20)) return 0;
    zol::fuzz::Umgebung& u = zol::fuzz::umgebung("fuzz_projekt");
    const QDir ordner(u.ordner.path());
    schreiben(ordner.filePath("r.ref"), "Rechnenfenster\r\n0.00\r\nDATEN_ANFANG\r\n1+1=\r\n"
                                        "DATEN_ENDE\r\n");
    const QString projekt = ordner.filePath("p.pro");
    schreiben(projekt,
              QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
    Projektziel ziel;
    zol::TWinRestorer(projekt).restore(ziel, /*ohneNamen=*/true);
    zol::fuzz::Umgebung::aufraeumen();
    return 0;
}
