#include "shell/rahmen/radiogruppe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace zol {

TRadioGroup::TRadioGroup(const QString& titel, QWidget* eltern)
    : QGroupBox(titel, eltern), gruppe_(new QButtonGroup(this)), raster_(new QGridLayout(this)) {
    connect(gruppe_, &QButtonGroup::idClicked, this, &TRadioGroup::itemIndexChanged);
    connect(gruppe_, &QButtonGroup::idClicked, this, &TRadioGroup::geklickt);
}

void TRadioGroup::setItems(const QStringList& eintraege) {
    eintraege_ = eintraege;
    aufbauen();
}

void TRadioGroup::setColumns(int spalten) {
    spalten_ = std::max(spalten, 1);
    aufbauen();
}

void TRadioGroup::aufbauen() {
    const int gewaehlt = itemIndex();
    for (QAbstractButton* b : gruppe_->buttons()) {
        gruppe_->removeButton(b);
        delete b;
    }
    const int zeilen = (static_cast<int>(eintraege_.size()) + spalten_ - 1) / spalten_;
    for (int i = 0; i < eintraege_.size(); ++i) {
        auto* knopf = new QRadioButton(eintraege_[i], this);
        gruppe_->addButton(knopf, i);
        raster_->addWidget(knopf, i % std::max(zeilen, 1), i / std::max(zeilen, 1));
    }
    setItemIndex(gewaehlt);
}

int TRadioGroup::itemIndex() const {
    return gruppe_->checkedId();
}

void TRadioGroup::setItemIndex(int index) {
    QAbstractButton* knopf = gruppe_->button(index);
    if (knopf == nullptr) {
        gruppe_->setExclusive(false);
        if (QAbstractButton* an = gruppe_->checkedButton()) an->setChecked(false);
        gruppe_->setExclusive(true);
    } else {
        knopf->setChecked(true);
    }
    emit itemIndexChanged(itemIndex());
}

} // namespace zol
