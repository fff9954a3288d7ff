// The plot window's commands that open dialogs or print, and the interface for the windows
// that draw here.
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/einffordlg.h"
#include "shell/grafik/tliniedlg.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/grafkopdlg.h"
#include "shell/zeichnen/seitendruck.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>

#include <string>

namespace zol {

namespace {

QFont qschrift(const Tschrift& s) {
    QFont f(QString::fromStdString(s.name));
    f.setPointSize(std::max(1, s.groesse));
    f.setBold(s.fett);
    f.setItalic(s.kursiv);
    f.setUnderline(s.unterstrichen);
    f.setStrikeOut(s.durchgestrichen);
    return f;
}

} // namespace

void Tdialogfkt::schriftEinfuegen() {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, qschrift(schrift_), this);
    if (!ok) return;
    freitextEinfuegen(QStringLiteral("\\Fn(") + f.family() + QStringLiteral(")\\Fs(") +
                      QString::fromStdString(std::to_string(f.pointSize())) + QLatin1Char(')'));
}

// ---- dialogs ----

void Tdialogfkt::linienartFunktion() {
    Tstift s = funktionsstift_;
    if (!Tliniedlg::bearbeite(s, this)) return;
    funktionsstift_ = s;
    stiftGewaehlt_ = true; // from now on new curves take this pen, colour included
    auffrischen();
}

void Tdialogfkt::linienartAchsen() {
    Tstift s = achsenstift_;
    if (!Tliniedlg::bearbeite(s, this)) return;
    achsenstift_ = s;
    auffrischen();
}

void Tdialogfkt::schriftart() {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, qschrift(schrift_), this);
    if (!ok) return;
    schrift_.name = f.family().toStdString();
    if (f.pointSize() > 0) schrift_.groesse = f.pointSize();
    schrift_.fett = f.bold();
    schrift_.kursiv = f.italic();
    schrift_.unterstrichen = f.underline();
    schrift_.durchgestrichen = f.strikeOut();
    auffrischen();
}

void Tdialogfkt::projektformel(QLineEdit* ziel) {
    QString text = ziel->text();
    if (formel_waehlen(text)) ziel->setText(text);
}

// ---- printing ----

QPrinter& Tdialogfkt::drucker() {
    if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker_;
}

void Tdialogfkt::seiteZeichnen(QPainter& maler, double dpi) {
    seite_massstabstreu(maler, liste_, dpi);
}

void Tdialogfkt::grafikDrucken() {
    QPrintDialog dialog(&drucker(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    seite_drucken(drucker(), liste_, this);
}

void Tdialogfkt::druckerEinrichten() {
    QPageSetupDialog dialog(&drucker(), this);
    dialog.exec();
}

void Tdialogfkt::druckerwerteUebernehmen() {
    const QSize mm = druckbereich_mm(drucker());
    if (mm.width() <= 0 || mm.height() <= 0) {
        meldung(QStringLiteral("Der Drucker meldet keine Seitengröße."), this);
        return;
    }
    xseite->setValue(mm.width());
    yseite->setValue(mm.height());
    auffrischen();
}

// The picture dialog (copy, save as picture file, print) on the display list.
void Tdialogfkt::grafikExportieren() {
    Tgrafkopdlg dialog(liste_, this);
    dialog.exec();
}

// ---- for other windows ----

void Tdialogfkt::setzeDefinition(const QString& definition) {
    Edit1->setText(definition);
    waehleFunktionsseite(seite_funktion);
}

void Tdialogfkt::waehleFunktionsseite(int seite) {
    if (seite >= 0 && seite < TabbedNotebook2->count()) TabbedNotebook2->setCurrentIndex(seite);
}

void Tdialogfkt::setzeFunktionsstil(int stil) {
    funktionsstift_.stil = stil;
}

void Tdialogfkt::setzeBereich(long double x0, long double x1, long double xs, long double y0,
                              long double y1, long double ys) {
    setzeWert(xmin, x0);
    setzeWert(xmax, x1);
    setzeWert(xskala, xs);
    setzeWert(ymin, y0);
    setzeWert(ymax, y1);
    setzeWert(yskala, ys);
    auffrischen();
}

void Tdialogfkt::setzeBeschriftung(const QString& x, const QString& y, const QString& ueber) {
    xtext->setText(x);
    ytext->setText(y);
    uebertext->setText(ueber);
    auffrischen();
}

void Tdialogfkt::setzeKoordinatenachsen(bool an) {
    if (Koord->isChecked() == an) return;
    Koord->setChecked(an); // refreshes
}

void Tdialogfkt::freitextAnhaengen(const QString& zeile) {
    Memo1->appendPlainText(zeile);
    auffrischen();
}

} // namespace zol
