#include "shell/grafik/tliniedlg.h"

#include "shell/grafik/farbgitter.h"
#include "shell/grafik/linienvorschau.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace zol {

namespace {

QListWidget* eigene_liste(QWidget* eltern, const char* name, int zeilen,
                          QAbstractItemDelegate* delegat) {
    auto* l = new QListWidget(eltern);
    l->setObjectName(QLatin1String(name));
    l->setItemDelegate(delegat);
    l->setUniformItemSizes(false);
    for (int i = 0; i < zeilen; ++i)
        l->addItem(new QListWidgetItem());
    l->setFixedWidth(90);
    return l;
}

} // namespace

Tliniedlg::Tliniedlg(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("Liniedlg"));
    setWindowTitle(QStringLiteral("Linien und Farben"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    linienart_ = eigene_liste(this, "linienart", stilzahl, new Tstildelegat(this));
    stiftbreite_ = eigene_liste(this, "stiftbreite", breitenzahl, new Tbreitendelegat(this));
    farbe_ = new Tfarbgitter(this);
    farbe_->setObjectName(QStringLiteral("farbe"));
    image1_ = new Tlinienvorschau(this);
    image1_->setObjectName(QStringLiteral("image1"));
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Linienart:"), this), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Stiftbreite:"), this), 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Farbe:"), this), 0, 2);
    raster->addWidget(linienart_, 1, 0, 2, 1);
    raster->addWidget(stiftbreite_, 1, 1, 2, 1);
    raster->addWidget(farbe_, 1, 2);
    raster->addWidget(image1_, 2, 2);
    raster->addWidget(knoepfe, 3, 0, 1, 3);

    connect(linienart_, &QListWidget::currentRowChanged, this, &Tliniedlg::stil_gewaehlt);
    connect(stiftbreite_, &QListWidget::currentRowChanged, this, &Tliniedlg::breite_gewaehlt);
    connect(farbe_, &Tfarbgitter::vordergrund_gewaehlt, this, [this](const QColor& c) {
        stift_.farbe = c;
        vorschau();
    });
    connect(farbe_, &Tfarbgitter::hintergrund_gewaehlt, this, [this](const QColor& c) {
        pinsel_ = c;
        vorschau();
    });
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setze_stift(Tstift{});
}

// The lists show the pen's own style and width (the first item for values they do not hold).
void Tliniedlg::setze_stift(const Tstift& stift) {
    stift_ = stift;
    {
        const QSignalBlocker a(linienart_), b(stiftbreite_);
        linienart_->setCurrentRow(stift.stil >= 0 && stift.stil < stilzahl ? stift.stil : 0);
        stiftbreite_->setCurrentRow(
            stift.breite >= 1 && stift.breite <= breitenzahl ? stift.breite - 1 : 0);
    }
    farbe_->setze_vordergrund(stift.farbe);
    vorschau();
}

void Tliniedlg::stil_gewaehlt(int zeile) {
    if (zeile < 0) return;
    stift_.stil = zeile;
    vorschau();
}

void Tliniedlg::breite_gewaehlt(int zeile) {
    if (zeile < 0) return;
    stift_.breite = zeile + 1;
    vorschau();
}

void Tliniedlg::vorschau() {
    image1_->setze(stift_, pinsel_);
}

bool Tliniedlg::bearbeite(Tstift& stift, QWidget* eltern) {
    Tliniedlg dlg(eltern);
    dlg.setze_stift(stift);
    if (dlg.exec() != QDialog::Accepted) return false;
    stift = dlg.stift();
    return true;
}

} // namespace zol
