#pragma once
// Small builders for the controls of the plot window's pages.
#include "shell/eingabe/zahleingaben.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zol::aufbau {

inline constexpr int zahlbreite = 86; // width of the numeric fields

inline TextendEdit* dezimalfeld(const char* name, long double wert, QWidget* eltern) {
    auto* f = new TextendEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setValue(wert);
    f->setMaximumWidth(zahlbreite);
    return f;
}

inline Tspineditin* ganzfeld(const char* name, int wert, int min, int max, QWidget* eltern) {
    auto* f = new Tspineditin(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinValue(min);
    f->setMaxValue(max);
    f->setValue(wert);
    f->setMaximumWidth(zahlbreite);
    return f;
}

// Range fields show their value with the picture "0.000".
inline TSpinEditex* bereichsfeld(const char* name, long double wert, QWidget* eltern) {
    auto* f = new TSpinEditex(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinValue(-1e60L);
    f->setMaxValue(1e60L);
    f->setFormatstr(QStringLiteral("0.000"));
    f->setFormatenabled(true);
    f->setValue(wert);
    f->setMinimumWidth(zahlbreite + 10);
    f->setMaximumWidth(zahlbreite + 24);
    return f;
}

inline QLineEdit* textfeld(const char* name, const QString& text, QWidget* eltern) {
    auto* f = new QLineEdit(text, eltern);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

inline QCheckBox* kaestchen(const char* name, const QString& text, bool an, QWidget* eltern) {
    auto* k = new QCheckBox(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setChecked(an);
    return k;
}

inline QPushButton* knopf(const char* name, const QString& text, QWidget* eltern,
                          const QString& hinweis = {}) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    if (!hinweis.isEmpty()) k->setToolTip(hinweis);
    return k;
}

inline QLabel* etikett(const QString& text, QWidget* partner) {
    auto* l = new QLabel(text);
    l->setBuddy(partner);
    return l;
}

// The add button of every function page, at the lower right.
inline QPushButton* hinzufuegenknopf(const char* name, const QString& hinweis, QWidget* eltern) {
    QPushButton* k = knopf(name, QStringLiteral("&Hinzufügen"), eltern, hinweis);
    QFont f = k->font();
    f.setBold(true);
    k->setFont(f);
    k->setMinimumWidth(110);
    return k;
}

inline const QString hinweis_hinzufuegen =
    QStringLiteral("Angezeigte Funktion wird in die Liste eingefügt und gezeichnet.");
inline const QString hinweis_projektformel = QStringLiteral("Funktion aus Projektformeln einfügen");

} // namespace zol::aufbau
