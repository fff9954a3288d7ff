#pragma once
// "ZOL Mathematik": a small window above all others that holds the main window's tool buttons
// while the main window is hidden. Closing it only hides it; hiding it gives the buttons back
// and shows the main window again.
#include <QWidget>

namespace zol {

class TMainForm;

class Tfensterdlg : public QWidget {
    Q_OBJECT
public:
    explicit Tfensterdlg(TMainForm& haupt);

    // Number of button rows in the current layout.
    int zeilen() const { return zeilen_; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void anordnen();

    TMainForm& haupt_;
    int zeilen_ = 0;
};

} // namespace zol
