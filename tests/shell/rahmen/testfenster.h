#pragma once
// A small topic window with one control of every kind the component block knows, for the frame
// tests.
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/modulfenster.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

class Testfenster : public Tmodulfenster {
public:
    TextendEdit* zahl = new TextendEdit;
    TlongintEdit* ganz = new TlongintEdit;
    TSpinEditex* spinzahl = new TSpinEditex;
    Tspineditin* spinganz = new Tspineditin;
    QLineEdit* edit = new QLineEdit;
    QLineEdit* versteckt = new QLineEdit;
    QCheckBox* haken = new QCheckBox(QStringLiteral("Haken"));
    QRadioButton* knopf = new QRadioButton(QStringLiteral("Knopf"));
    TRadioGroup* gruppe = new TRadioGroup(QStringLiteral("Gruppe"));
    QTabWidget* reiter = new QTabWidget;
    QPlainTextEdit* memo = new QPlainTextEdit;
    QComboBox* auswahl = new QComboBox;
    QListWidget* liste = new QListWidget;
    TStringGrid* gitter = new TStringGrid;

    explicit Testfenster(const QString& klasse = QStringLiteral("Tviereckdlg"))
        : Tmodulfenster(klasse) {
        auto* mitte = new QWidget;
        auto* lage = new QVBoxLayout(mitte);
        zahl->setObjectName(QStringLiteral("extendEdit1"));
        edit->setObjectName(QStringLiteral("Edit1"));
        versteckt->setProperty("Tag", 1);
        gruppe->setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        reiter->addTab(new QWidget, QStringLiteral("Eins"));
        reiter->addTab(new QWidget, QStringLiteral("Zwei"));
        auswahl->setEditable(true);
        memo->setObjectName(QStringLiteral("Memo1"));
        gitter->setObjectName(QStringLiteral("StringGrid1"));
        gitter->setColCount(6);
        gitter->setRowCount(8);
        for (QWidget* w :
             std::initializer_list<QWidget*>{zahl, ganz, spinzahl, spinganz, edit, versteckt, haken,
                                             knopf, gruppe, reiter, memo, auswahl, liste, gitter}) {
            lage->addWidget(w);
            komponente(w);
        }
        setCentralWidget(mitte);
        rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                        Befehl::drucken, Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren,
                        Befehl::einfuegen, Befehl::loeschen, Befehl::alles_auswaehlen,
                        Befehl::rechne, Befehl::rechnenfenster, Befehl::ergebnisse_definieren,
                        Befehl::zahlenformat, Befehl::projektformeln, Befehl::hilfe,
                        Befehl::hauptmenue});
    }

    TStringGrid* ergebnisgitter() const override { return gitter; }
    QPlainTextEdit* ergebnismemo() const override { return memo; }
};

} // namespace zol
