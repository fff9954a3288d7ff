#pragma once
// A framed group of radio buttons with one selected index, as windows use it for choices such
// as the angle unit.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

namespace zol {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)
public:
    explicit TRadioGroup(const QString& titel = {}, QWidget* eltern = nullptr);

    void setItems(const QStringList& eintraege);
    QStringList items() const { return eintraege_; }
    void setColumns(int spalten);
    // -1 when nothing is selected.
    int itemIndex() const;
    void setItemIndex(int index);

signals:
    // Whenever the selection changes, also when a file or batch mode sets it.
    void itemIndexChanged(int index);
    // Only when the user clicks a button (windows that ask questions on a choice listen here, so
    // loading a file never asks).
    void geklickt(int index);

private:
    void aufbauen();
    QStringList eintraege_;
    int spalten_ = 1;
    QButtonGroup* gruppe_;
    QGridLayout* raster_;
};

} // namespace zol
