#include "shell/haupt/datenordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zol {

QStringList datenordner() {
    const QString benutzer =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/zol";
    const QString programm = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(benutzer), programm,
            QDir::cleanPath(programm + QStringLiteral("/../share/zol"))};
}

QString datenpfad(const QString& relativ, bool schreiben) {
    const QStringList ordner = datenordner();
    if (schreiben) {
        const QString ziel = QDir(ordner.first()).filePath(relativ);
        if (!QDir().mkpath(QFileInfo(ziel).absolutePath())) return {};
        return ziel;
    }
    for (const QString& o : ordner) {
        const QString kandidat = QDir(o).filePath(relativ);
        if (QFileInfo::exists(kandidat)) return kandidat;
    }
    return {};
}

} // namespace zol
