#pragma once
// Closes every modal dialog that opens while it lives (as "Abbrechen" would), and records their
// class names, so a test can run commands that show a dialog without blocking.
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

namespace zol {

class ModalWaechter {
public:
    QStringList gesehen;
    bool annehmen = false; // true: close with OK (accept) instead

    ModalWaechter() {
        zeitgeber_.setInterval(10);
        QObject::connect(&zeitgeber_, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                gesehen << QString::fromUtf8(d->metaObject()->className());
                annehmen ? d->accept() : d->reject();
            }
        });
        zeitgeber_.start();
    }

private:
    QTimer zeitgeber_;
};

} // namespace zol
