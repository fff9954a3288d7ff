#include "shell/dienste/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zol {

bool deutsche_qt_texte_laden(QCoreApplication& app) {
    auto* uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load(QLocale(QLocale::German), "qtbase", "_",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    QCoreApplication::installTranslator(uebersetzer);
    return true;
}

} // namespace zol
