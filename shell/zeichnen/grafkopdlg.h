#pragma once
// "Grafik speichern und kopieren": renders the plot window's page into a picture of a chosen
// format, size and axis scaling, shows it, and copies, saves or prints it. The plot window hands
// in its display list and shows the dialog modally; the list must outlive the dialog.
#include "graph/export/bildexport.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QPaintDevice;

namespace zol {

class Tlist1;
class TRadioGroup;
class TlongintEdit;

class Tgrafkopdlg : public QDialog {
    Q_OBJECT

public:
    // Items of "Grafikformat" in order; the first three are the classic formats.
    static constexpr Bildformat formate[] = {Bildformat::bmp, Bildformat::wmf, Bildformat::emf,
                                             Bildformat::png, Bildformat::svg, Bildformat::pdf};

    // Centred on the screen.
    explicit Tgrafkopdlg(const Tlist1& liste, QWidget* eltern = nullptr);

    // Creates the dialog on the list, shows it modally and frees it.
    static void zeige(const Tlist1& liste, QWidget* eltern = nullptr);

    // What the current picture was rendered with (the sizes as the fields held them then).
    struct Auftrag {
        Bildformat format = Bildformat::bmp;
        QSize pixel{300, 400};
        Skalierung skalierung = Skalierung::willkuerlich;
        bool nur_zeichnung = false; // "Nur Zeichnung": the drawing without the empty page
        Darstellung darstellung() const { return {skalierung, nur_zeichnung}; }
        friend bool operator==(const Auftrag&, const Auftrag&) = default;
    };
    Auftrag auftrag() const { return auftrag_; }
    // The picture shown in Image1; null when rendering was refused.
    QImage bild() const { return bild_; }

    // The buttons' commands. Copying, saving and printing use the fields as they are, typed
    // without "Aktualisieren" too.
    void aktualisieren();
    void kopieren();
    void speichern();
    void drucken();
    // Draws the picture at the device's top-left corner (a printer's printable area) at its
    // size at 96 dpi, scaled to the device's resolution.
    bool drucke(QPaintDevice& geraet) const;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void aufbauen();
    Auftrag auftrag_aus_feldern();
    // Renders the picture from the fields; false (the reason in fehler_) when it was refused.
    bool rendern();
    // Renders again when the fields differ from the current picture.
    void felder_uebernehmen();

    const Tlist1& liste_;
    Auftrag auftrag_;
    QImage bild_;
    QString fehler_; // why the last rendering was refused
    QString letzte_datei_;

    TRadioGroup* format_ = nullptr;
    TRadioGroup* achsen_ = nullptr;
    TlongintEdit* breite_ = nullptr;
    TlongintEdit* hoehe_ = nullptr;
    QCheckBox* nur_zeichnung_ = nullptr;
    QLabel* image1_ = nullptr;
};

} // namespace zol
