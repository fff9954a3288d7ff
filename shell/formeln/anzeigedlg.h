#pragma once
// "Projektformeln anzeigen": a small window above all others listing the project formulas.
// Closing it only hides it.
#include <QWidget>

class QListWidget;

namespace zol {

class Tanzeigedlg : public QWidget {
    Q_OBJECT
public:
    static Tanzeigedlg& instanz();
    explicit Tanzeigedlg(QWidget* eltern = nullptr);

public slots:
    void aktualisieren();
    void BearbeitenClick();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    QListWidget* ListBox1 = nullptr;
};

} // namespace zol
