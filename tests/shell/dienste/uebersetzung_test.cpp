#include "shell/dienste/uebersetzung.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

class UebersetzungTest : public QObject {
    Q_OBJECT
private slots:
    // Message boxes must offer German buttons whatever the system language.
    void standardknoepfeSindDeutsch() {
        QVERIFY(zol::deutsche_qt_texte_laden(*QCoreApplication::instance()));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove('&'), QString("Ja"));
        QCOMPARE(box.button(QDialogButtonBox::No)->text().remove('&'), QString("Nein"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Abbrechen"));
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UebersetzungTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "uebersetzung_test.moc"
