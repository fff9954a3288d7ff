#include "shell/haupt/start.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahlenform.h"
#include "shell/formeln/anzeigedlg.h"
#include "shell/formeln/dialogformel.h"
#include "shell/formeln/einffordlg.h"
#include "shell/formeln/expfordlg.h"
#include "shell/haupt/infodlg.h"
#include "shell/haupt/mainform.h"
#include "shell/haupt/zeitdlg.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace zol {

std::unique_ptr<TMainForm> programm_starten(int startbild_ms) {
    QApplication::setWindowIcon(programmsymbol());
    auto haupt = std::make_unique<TMainForm>();
    // The single dialogs, in the order the program has always created them. The project
    // formula dialog brings the formula table, which every window needs.
    Tdialogformel::instanz();
    Texpfordlg::instanz();
    Tzahlenform::instanz();
    Teinffordlg::instanz();
    Tanzeigedlg::instanz();

    if (startbild_ms > 0) {
        Tinfodlg startbild(nullptr, true);
        startbild.adjustSize();
        if (const QScreen* schirm = QGuiApplication::primaryScreen())
            startbild.move(schirm->availableGeometry().center() - startbild.rect().center());
        startbild.show();
        QEventLoop warten;
        QTimer::singleShot(startbild_ms, &warten, &QEventLoop::quit);
        warten.exec();
    }

    haupt->show();
    if (frage(QStringLiteral("Lernprogramm starten:"), haupt.get()))
        haupt->demo().starten();
    else
        haupt->startprojektLaden();
    return haupt;
}

} // namespace zol
