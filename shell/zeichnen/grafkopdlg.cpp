#include "shell/zeichnen/grafkopdlg.h"

#include "graph/tlist1.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/radiogruppe.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace zol {

namespace {

struct Formateintrag {
    Bildformat format;
    const char* knopf;  // item of "Grafikformat"
    const char* filter; // save dialog
    const char* mime;   // the vector form on the clipboard, if any
};

constexpr Formateintrag formattabelle[] = {
    {Bildformat::bmp, "Bitmap (*.bmp)", "Bitmap(*.bmp)", nullptr},
    {Bildformat::wmf, "Metafile (*.wmf)", "Metafile(*.wmf)", "image/x-wmf"},
    {Bildformat::emf, "Metafile (*.emf)", "Enhanced Metafile(*.emf)", "image/x-emf"},
    {Bildformat::png, "PNG (*.png)", "PNG(*.png)", nullptr},
    {Bildformat::svg, "SVG (*.svg)", "SVG(*.svg)", "image/svg+xml"},
    {Bildformat::pdf, "PDF (*.pdf)", "PDF(*.pdf)", "application/pdf"},
};

const Formateintrag& eintrag(Bildformat f) {
    for (const Formateintrag& e : formattabelle)
        if (e.format == f) return e;
    return formattabelle[0];
}

constexpr Skalierung skalierungen[] = {Skalierung::willkuerlich, Skalierung::winkeltreu,
                                       Skalierung::massstabstreu};

TlongintEdit* groessenfeld(QWidget* eltern, const char* name, int wert) {
    auto* feld = new TlongintEdit(eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setMinValue(min_bildseite);
    feld->setMaxValue(max_bildseite);
    feld->setValue(wert);
    return feld;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    k->setAutoDefault(false);
    return k;
}

// The field's number within its bounds; the field shows the number that is used.
int feldwert(TlongintEdit* feld) {
    const int wert = std::clamp<int>(feld->Value(), feld->MinValue(), feld->MaxValue());
    if (wert != feld->Value()) feld->setValue(wert);
    return wert;
}

} // namespace

Tgrafkopdlg::Tgrafkopdlg(const Tlist1& liste, QWidget* eltern) : QDialog(eltern), liste_(liste) {
    setObjectName(QStringLiteral("Grafkopdlg"));
    setWindowTitle(QStringLiteral("Grafik speichern und kopieren"));
    aufbauen();
    // Centred on the screen rather than over the plot window (a set position stays).
    if (QScreen* schirm = eltern ? eltern->screen() : QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
}

void Tgrafkopdlg::aufbauen() {
    format_ = new TRadioGroup(QStringLiteral("Grafikformat"), this);
    format_->setObjectName(QStringLiteral("format"));
    QStringList namen;
    for (const Formateintrag& e : formattabelle)
        namen << QString::fromUtf8(e.knopf);
    format_->setItems(namen);
    format_->setColumns(3);
    format_->setItemIndex(0);

    achsen_ = new TRadioGroup(QStringLiteral("Achsen skalieren"), this);
    achsen_->setObjectName(QStringLiteral("achsen"));
    achsen_->setItems({QStringLiteral("willkürlich"), QStringLiteral("winkeltreu"),
                       QStringLiteral("maßstabstreu")});
    achsen_->setColumns(3);
    achsen_->setItemIndex(0);

    auto* groesse = new QGroupBox(QStringLiteral("Bildgröße in Pixel"), this);
    breite_ = groessenfeld(groesse, "breite", 300);
    hoehe_ = groessenfeld(groesse, "hoehe", 400);
    auto* groessenraster = new QGridLayout(groesse);
    groessenraster->addWidget(new QLabel(QStringLiteral("Breite"), groesse), 0, 0);
    groessenraster->addWidget(breite_, 0, 1);
    groessenraster->addWidget(new QLabel(QStringLiteral("Höhe"), groesse), 1, 0);
    groessenraster->addWidget(hoehe_, 1, 1);
    nur_zeichnung_ = new QCheckBox(QStringLiteral("Nur Zeichnung"), this);
    nur_zeichnung_->setObjectName(QStringLiteral("nurZeichnung"));
    nur_zeichnung_->setToolTip(QStringLiteral(
        "Das Bild zeigt nur die Zeichnung mit schmalem Rand, nicht die ganze Seite."));

    auto* aktualisieren_knopf = knopf(this, "aktualisieren", QStringLiteral("Aktualisieren"));
    auto* kopieren_knopf = knopf(this, "kopieren", QStringLiteral("Kopieren"));
    auto* speichern_knopf = knopf(this, "speichern", QStringLiteral("&Speichern"));
    auto* drucken_knopf = knopf(this, "drucken", QStringLiteral("&Drucken"));
    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* k : {aktualisieren_knopf, kopieren_knopf, speichern_knopf, drucken_knopf})
        knoepfe->addWidget(k);
    knoepfe->addStretch();

    image1_ = new QLabel;
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* rollbereich = new QScrollArea(this);
    rollbereich->setObjectName(QStringLiteral("ScrollBox1"));
    rollbereich->setWidget(image1_);
    rollbereich->setWidgetResizable(false);

    auto* raster = new QGridLayout(this);
    raster->addWidget(format_, 0, 0);
    raster->addWidget(achsen_, 1, 0);
    raster->addWidget(groesse, 0, 1, 2, 1);
    raster->addLayout(knoepfe, 0, 2, 3, 1);
    raster->addWidget(nur_zeichnung_, 2, 0, 1, 2);
    raster->addWidget(rollbereich, 3, 0, 1, 3);
    raster->setRowStretch(3, 1);
    resize(720, 640);

    connect(format_, &TRadioGroup::itemIndexChanged, this, &Tgrafkopdlg::aktualisieren);
    connect(achsen_, &TRadioGroup::itemIndexChanged, this, &Tgrafkopdlg::aktualisieren);
    connect(nur_zeichnung_, &QCheckBox::toggled, this, &Tgrafkopdlg::aktualisieren);
    connect(aktualisieren_knopf, &QPushButton::clicked, this, &Tgrafkopdlg::aktualisieren);
    connect(kopieren_knopf, &QPushButton::clicked, this, &Tgrafkopdlg::kopieren);
    connect(speichern_knopf, &QPushButton::clicked, this, &Tgrafkopdlg::speichern);
    connect(drucken_knopf, &QPushButton::clicked, this, &Tgrafkopdlg::drucken);
}

void Tgrafkopdlg::zeige(const Tlist1& liste, QWidget* eltern) {
    Tgrafkopdlg dialog(liste, eltern);
    dialog.exec();
}

Tgrafkopdlg::Auftrag Tgrafkopdlg::auftrag_aus_feldern() {
    Auftrag a;
    const int f = format_->itemIndex();
    a.format = formate[f >= 0 && f < int(std::size(formate)) ? f : 0];
    const int s = achsen_->itemIndex();
    a.skalierung = skalierungen[s >= 0 && s < int(std::size(skalierungen)) ? s : 0];
    a.pixel = QSize(feldwert(breite_), feldwert(hoehe_));
    a.nur_zeichnung = nur_zeichnung_->isChecked();
    return a;
}

void Tgrafkopdlg::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (!ereignis->spontaneous()) aktualisieren();
}

bool Tgrafkopdlg::rendern() {
    image1_->clear();
    bild_ = QImage();
    auftrag_ = auftrag_aus_feldern();
    const QSize groesse =
        bildgroesse(liste_, auftrag_.format, auftrag_.pixel, auftrag_.darstellung());
    bild_ = bild_rendern(liste_, groesse, auftrag_.darstellung(), &fehler_);
    if (!bild_.isNull()) image1_->setPixmap(QPixmap::fromImage(bild_));
    image1_->adjustSize();
    return !bild_.isNull();
}

void Tgrafkopdlg::aktualisieren() {
    if (!rendern()) meldung(fehler_, this);
}

// A refused preview is reported by the command that needs it; saving a vector format does not.
void Tgrafkopdlg::felder_uebernehmen() {
    if (auftrag_aus_feldern() != auftrag_) rendern();
}

void Tgrafkopdlg::kopieren() {
    felder_uebernehmen();
    if (bild_.isNull()) {
        meldung(fehler_, this);
        return;
    }
    auto* daten = new QMimeData;
    daten->setImageData(bild_);
    const QByteArray svg = svg_bild(liste_, bild_.size(), auftrag_.darstellung());
    if (!svg.isEmpty()) daten->setData(QStringLiteral("image/svg+xml"), svg);
    const Formateintrag& e = eintrag(auftrag_.format);
    if (e.mime && auftrag_.format != Bildformat::svg) {
        const QByteArray bytes =
            bild_daten(liste_, auftrag_.format, auftrag_.pixel, auftrag_.darstellung());
        if (!bytes.isEmpty()) daten->setData(QString::fromLatin1(e.mime), bytes);
    }
    QGuiApplication::clipboard()->setMimeData(daten);
}

void Tgrafkopdlg::speichern() {
    felder_uebernehmen();
    const Formateintrag& e = eintrag(auftrag_.format);
    const QString endung = bildendung(auftrag_.format);
    QString vorschlag;
    if (!letzte_datei_.isEmpty()) {
        const QFileInfo alt(letzte_datei_);
        vorschlag = alt.dir().filePath(alt.completeBaseName() + QLatin1Char('.') + endung);
    }
    const QString datei = Meldungsdienst::aktuell().datei_speichern(
        this, QStringLiteral("Grafik speichern"), {QString::fromUtf8(e.filter)}, endung, vorschlag);
    if (datei.isEmpty()) return;
    QString fehler;
    if (!bild_exportieren(liste_, datei, auftrag_.format, auftrag_.pixel, auftrag_.darstellung(),
                          &fehler)) {
        meldung(fehler, this);
        return;
    }
    letzte_datei_ = datei;
}

void Tgrafkopdlg::drucken() {
    felder_uebernehmen();
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!drucke(drucker)) meldung(QStringLiteral("Der Drucker kann nicht benutzt werden."), this);
}

// The page is drawn afresh at the device's resolution rather than as the preview's pixels, so
// lines and texts stay sharp on paper; what shows is the same part of the page at the same size.
bool Tgrafkopdlg::drucke(QPaintDevice& geraet) const {
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    const QSize groesse =
        bildgroesse(liste_, auftrag_.format, auftrag_.pixel, auftrag_.darstellung());
    const double f = geraet.logicalDpiX() / double(bild_dpi);
    const double g = geraet.logicalDpiY() / double(bild_dpi);
    maler.scale(f, g);
    maler.setClipRect(QRect(QPoint(0, 0), groesse));
    maler.setTransform(bildabbildung(liste_, groesse, auftrag_.darstellung()), true);
    seite_malen(maler, liste_);
    return maler.end();
}

} // namespace zol
