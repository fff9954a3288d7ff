#include "app/fensterliste.h"
#include "app/kommandozeile.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/dienste/uebersetzung.h"
#include "shell/haupt/mainform.h"
#include "shell/haupt/start.h"
#include "shell/hilfe/hilfe.h"
#include "shell/rahmen/stapel.h"
#include "shell/zeichnen/bildexport_befehl.h"

#include <QApplication>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    // The calculator modes on the console never create a GUI application object.
    if (zol::ist_konsolenmodus(argumente))
        return zol::konsole_ausfuehren(argumente, std::cin, std::cout, std::cerr);

    bool stapel = false;
    bool bildexport = false;
    for (const std::string& a : argumente) {
        stapel = stapel || a == "--batch";
        bildexport = bildexport || a == "--export";
    }
    // Batch mode and picture export need no display.
    if (stapel || bildexport) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_UNIX
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QByteArray ordner = "/tmp/runtime-zol-" + QByteArray::number(getuid());
            mkdir(ordner.constData(), 0700);
            qputenv("XDG_RUNTIME_DIR", ordner);
        }
#endif
        // The offscreen platform's notes about window hints are of no use here.
        qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
            if (art != QtDebugMsg && art != QtInfoMsg && !text.contains("propagateSizeHints"))
                std::cerr << text.toStdString() << "\n";
        });
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mathematik ZOL"));
    QApplication::setApplicationDisplayName(QStringLiteral("Mathematik ZOL"));
    zol::deutsche_qt_texte_laden(app);
    zol::engine_meldungen_anzeigen();
    zol::alle_fensterarten_registrieren();
    if (stapel) return zol::stapel_ausfuehren(QApplication::arguments(), std::cout, std::cerr);
    if (bildexport) return zol::export_ausfuehren(QApplication::arguments(), std::cerr);

    zol::hilfe_einrichten();
    // Main window, single dialogs, start screen, then the lessons or "Standard.pro".
    std::unique_ptr<zol::TMainForm> haupt = zol::programm_starten();
    const int status = QApplication::exec();
    haupt.reset();
    return status;
}
