#include "app/fensterliste.h"
#include "app/kommandozeile.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/dienste/uebersetzung.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"

#include <QApplication>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    // The calculator modes on the console never create a GUI application object.
    if (zol::ist_konsolenmodus(argumente))
        return zol::konsole_ausfuehren(argumente, std::cin, std::cout, std::cerr);

    bool stapel = false;
    for (const std::string& a : argumente)
        stapel = stapel || a == "--batch";
    // Batch mode needs no display.
    if (stapel) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_UNIX
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QByteArray ordner = "/tmp/runtime-zol-" + QByteArray::number(getuid());
            mkdir(ordner.constData(), 0700);
            qputenv("XDG_RUNTIME_DIR", ordner);
        }
#endif
        // The offscreen platform's notes about window hints are of no use to a batch run.
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

    // Until the main window exists, the program opens a calculation window.
    auto* rechnen = new zol::TEditForm;
    rechnen->show();
    return QApplication::exec();
}
