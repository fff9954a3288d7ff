// The picture's own commands: bitmap files, the clipboard and the printer.
#include "modules/algebra/fraktalbild.h"
#include "modules/algebra/fraktaldlg.h"
#include "shell/dienste/meldungsdienst.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>

namespace zol {

namespace {

const QStringList& bitmapfilter() {
    static const QStringList filter{QStringLiteral("Bitmap (*.bmp)")};
    return filter;
}

QString name_von(const QString& datei) {
    return QFileInfo(datei).fileName();
}

} // namespace

QRect druckflaeche(QSize bild, QRect seite, int dpi) {
    const QSize gross = bild * (std::max(dpi, 1) / 96.0);
    const QSize passend = gross.width() <= seite.width() && gross.height() <= seite.height()
                              ? gross
                              : gross.scaled(seite.size(), Qt::KeepAspectRatio);
    return {seite.topLeft(), passend};
}

void Tfraktaldlg::bitmapLadenBefehl() {
    if (rechnetGerade()) return;
    const QString datei = Meldungsdienst::aktuell().datei_oeffnen(
        this, QStringLiteral("Bitmap laden"), bitmapfilter(), QStringLiteral("bmp"));
    if (!datei.isEmpty()) bitmapLaden(datei);
}

void Tfraktaldlg::bitmapSpeichernBefehl() {
    const QString datei = Meldungsdienst::aktuell().datei_speichern(
        this, QStringLiteral("Bitmap speichern"), bitmapfilter(), QStringLiteral("bmp"));
    if (!datei.isEmpty()) bitmapSpeichern(datei);
}

// Only Windows bitmaps, and none larger than a picture the window could draw itself; the size
// is read from the header before anything is decoded.
bool Tfraktaldlg::bitmapLaden(const QString& datei) {
    if (rechnetGerade()) return false;
    QFile quelle(datei);
    if (!quelle.open(QIODevice::ReadOnly)) {
        meldung(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(name_von(datei)),
                this);
        return false;
    }
    const QByteArray kopf = quelle.peek(2);
    QImageReader leser(&quelle, "bmp");
    const QSize groesse = leser.size();
    if (kopf != "BM" || !groesse.isValid()) {
        meldung(QStringLiteral("Die Datei %1 ist keine Bitmap (BMP).").arg(name_von(datei)), this);
        return false;
    }
    if (groesse.width() > fraktal::max_seite || groesse.height() > fraktal::max_seite) {
        meldung(QStringLiteral("Die Bitmap %1 ist zu groß: %2 × %3 Pixel, höchstens %4 × %4.")
                    .arg(name_von(datei))
                    .arg(groesse.width())
                    .arg(groesse.height())
                    .arg(fraktal::max_seite),
                this);
        return false;
    }
    const QImage bild = leser.read();
    if (bild.isNull()) {
        meldung(QStringLiteral("Die Bitmap %1 kann nicht gelesen werden.").arg(name_von(datei)),
                this);
        return false;
    }
    Image1->setzeBild(bild.convertToFormat(QImage::Format_RGB32));
    return true;
}

// Written through a temporary file, so a failed save leaves an existing file intact.
bool Tfraktaldlg::bitmapSpeichern(const QString& datei) {
    const QImage b = bild();
    if (b.isNull()) {
        meldung(QStringLiteral("Es ist noch kein Bild da."), this);
        return false;
    }
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly) || !b.save(&ziel, "BMP") || !ziel.commit()) {
        meldung(QStringLiteral("Die Datei %1 kann nicht gespeichert werden.").arg(name_von(datei)),
                this);
        return false;
    }
    return true;
}

void Tfraktaldlg::fraktalKopieren() {
    const QImage b = bild();
    if (b.isNull()) {
        meldung(QStringLiteral("Es ist noch kein Bild da."), this);
        return;
    }
    QApplication::clipboard()->setImage(b);
}

void Tfraktaldlg::drucken() {
    if (bild().isNull()) {
        meldung(QStringLiteral("Es ist noch kein Bild da."), this);
        return;
    }
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    bildDrucken(drucker);
}

bool Tfraktaldlg::bildDrucken(QPrinter& drucker) {
    QPainter maler;
    if (!maler.begin(&drucker)) {
        meldung(QStringLiteral("Der Drucker kann nicht benutzt werden."), this);
        return false;
    }
    // The painter's origin is the top-left corner of the printable area.
    const QRect seite(QPoint(0, 0),
                      drucker.pageLayout().paintRectPixels(drucker.resolution()).size());
    maler.drawImage(druckflaeche(bild().size(), seite, drucker.resolution()), bild());
    return maler.end();
}

} // namespace zol
