#include "shell/rahmen/stapel.h"

#include "shell/dienste/konsolenmeldungen.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/eingabe/zahlfilter.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/modulfenster.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <ostream>

namespace zol {

namespace {

std::string u8(const QString& s) {
    return s.toStdString();
}

// Dialogs that a command shows modally are closed as "Abbrechen" would close them.
class Dialogschliesser {
public:
    Dialogschliesser() {
        zeitgeber_.setInterval(5);
        QObject::connect(&zeitgeber_, &QTimer::timeout, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        zeitgeber_.start();
    }

private:
    QTimer zeitgeber_;
};

// A value for a numeric control must be a number of its kind (an empty text clears it), so a
// typing error on the command line is not silently computed as 0.
bool passt_zum_feld(const QWidget* w, const QString& wert) {
    if (wert.trimmed().isEmpty()) return true;
    long double d = 0;
    qint32 g = 0;
    if (qobject_cast<const TlongintEdit*>(w) || qobject_cast<const Tspineditin*>(w))
        return eingabe::ganz_lesen(wert, g);
    if (qobject_cast<const TextendEdit*>(w) || qobject_cast<const TSpinEditex*>(w))
        return eingabe::dezimal_lesen(wert, d);
    return true;
}

bool setzen(Tmodulfenster& f, const QString& zuweisung, std::ostream& err) {
    const qsizetype gleich = zuweisung.indexOf(QLatin1Char('='));
    if (gleich <= 0) {
        err << "Falsche Angabe bei --set: " << u8(zuweisung) << "\n";
        return false;
    }
    QString name = zuweisung.left(gleich);
    QString wert = zuweisung.mid(gleich + 1);
    wert.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    static const QRegularExpression zelle(QStringLiteral("^(.+)\\[(\\d+),(\\d+)\\]$"));
    const QRegularExpressionMatch treffer = zelle.match(name);
    if (treffer.hasMatch()) {
        auto* g = f.findChild<TStringGrid*>(treffer.captured(1));
        if (g == nullptr) {
            err << "Kein Gitter namens " << u8(treffer.captured(1)) << "\n";
            return false;
        }
        // Only the cells the window has laid out (its size fields set before decide how
        // many): a grid is never grown by a command line, which could ask for billions.
        bool ok_zeile = false, ok_spalte = false;
        const int zeile = treffer.captured(2).toInt(&ok_zeile);
        const int spalte = treffer.captured(3).toInt(&ok_spalte);
        if (!ok_zeile || !ok_spalte || zeile >= g->rowCount() || spalte >= g->colCount()) {
            err << "Die Zelle " << u8(name) << " liegt außerhalb des Gitters (" << g->rowCount()
                << " Zeilen, " << g->colCount() << " Spalten).\n";
            return false;
        }
        g->setCell(spalte, zeile, wert);
        return true;
    }
    QWidget* w = f.findChild<QWidget*>(name);
    if (w == nullptr) {
        err << "Kein Steuerelement namens " << u8(name) << "\n";
        return false;
    }
    if (!passt_zum_feld(w, wert)) {
        err << "Keine gültige Zahl für " << u8(name) << ": " << u8(wert) << "\n";
        return false;
    }
    bool ganzzahl = false;
    const int zahl = wert.trimmed().toInt(&ganzzahl);
    const bool braucht_index =
        qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
        qobject_cast<TRadioGroup*>(w) || qobject_cast<QTabWidget*>(w) ||
        (qobject_cast<QComboBox*>(w) && !qobject_cast<QComboBox*>(w)->isEditable());
    if (braucht_index && !ganzzahl) {
        err << "Keine gültige Zahl für " << u8(name) << ": " << u8(wert) << "\n";
        return false;
    }
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(wert);
    else if (auto* s = qobject_cast<Tspinbasis*>(w))
        s->setText(wert);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        m->setPlainText(wert);
    else if (auto* t = qobject_cast<QTextEdit*>(w))
        t->setPlainText(wert);
    else if (auto* k = qobject_cast<QCheckBox*>(w))
        k->setChecked(zahl != 0);
    else if (auto* r = qobject_cast<QRadioButton*>(w))
        r->setChecked(zahl != 0);
    else if (auto* g = qobject_cast<TRadioGroup*>(w))
        g->setItemIndex(zahl);
    else if (auto* n = qobject_cast<QTabWidget*>(w))
        n->setCurrentIndex(zahl);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->isEditable() ? c->setEditText(wert) : c->setCurrentIndex(zahl);
    else {
        err << "Das Steuerelement " << u8(name) << " nimmt keinen Wert an.\n";
        return false;
    }
    return true;
}

QString anzeigename(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromUtf8(w->metaObject()->className())
                                     : w->objectName();
}

// A picture as its size and how many pixels have each colour, most frequent first, so a
// drawing can be checked without looking at it.
void bild_ausgeben(const QString& name, const QImage& bild, std::ostream& aus) {
    aus << u8(name) << ": Bild " << bild.width() << "x" << bild.height() << "\n";
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    QMap<QRgb, qint64> anzahl;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++anzahl[zeile[x] & 0xFFFFFFu];
    }
    QList<QPair<qint64, QRgb>> liste;
    for (auto it = anzahl.cbegin(); it != anzahl.cend(); ++it)
        liste.append({it.value(), it.key()});
    std::sort(liste.begin(), liste.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    for (const auto& [n, farbe] : liste)
        aus << "  " << u8(QColor(farbe).name()) << ": " << n << "\n";
}

void ausgeben(const Tmodulfenster& f, std::ostream& aus) {
    aus << "== " << u8(f.art().klasse) << " ==\n";
    for (const QWidget* w : f.ergebnisanzeigen()) {
        if (auto* g = qobject_cast<const TStringGrid*>(w)) {
            aus << u8(anzeigename(w)) << ":\n";
            for (int r = 0; r < g->rowCount(); ++r) {
                QStringList zellen;
                for (int c = 0; c < g->colCount(); ++c)
                    zellen << g->cell(c, r);
                aus << u8(zellen.join(QLatin1Char('\t'))) << "\n";
            }
        } else if (auto* m = qobject_cast<const QPlainTextEdit*>(w)) {
            aus << u8(anzeigename(w)) << ":\n";
            if (!m->toPlainText().isEmpty()) aus << u8(m->toPlainText()) << "\n";
        } else if (auto* t = qobject_cast<const QTextEdit*>(w)) {
            aus << u8(anzeigename(w)) << ":\n";
            if (!t->toPlainText().isEmpty()) aus << u8(t->toPlainText()) << "\n";
        } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
            aus << u8(anzeigename(w)) << ": " << u8(e->text()) << "\n";
        } else if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) {
            aus << u8(anzeigename(w)) << ": " << u8(s->text()) << "\n";
        } else if (auto* form = qobject_cast<const Ttxtshape*>(w)) {
            aus << u8(anzeigename(w)) << ": " << u8(form->text()) << "\n";
        } else if (w->property("bild").canConvert<QImage>()) {
            bild_ausgeben(anzeigename(w), w->property("bild").value<QImage>(), aus);
        } else if (auto* l = qobject_cast<const QLabel*>(w)) {
            if (!l->pixmap().isNull())
                bild_ausgeben(anzeigename(w), l->pixmap().toImage(), aus);
            else
                aus << u8(anzeigename(w)) << ": " << u8(l->text()) << "\n";
        }
    }
}

QList<Tmodulfenster*> offene_fenster() {
    return Tmodulfenster::alleFenster();
}

} // namespace

int stapel_ausfuehren(const QStringList& argumente, std::ostream& aus, std::ostream& err) {
    static constexpr const char* aufruf =
        "Aufruf: zol --batch ART [--load DATEI] [--set NAME=WERT]... "
        "[--command NAME]... [--save DATEI]\n";
    const qsizetype start = argumente.indexOf(QStringLiteral("--batch"));
    if (start < 0 || start + 1 >= argumente.size()) {
        err << aufruf;
        return 2;
    }
    const QString artangabe = argumente[start + 1];
    bool zahl = false;
    const int nummer = artangabe.toInt(&zahl);
    const Fensterart* art = zahl ? fensterart_nach_nummer(nummer) : fensterart_nach_name(artangabe);
    if (art == nullptr || !art->erzeugen) {
        err << "Unbekannte oder noch nicht vorhandene Fensterart: " << u8(artangabe) << "\n";
        return 2;
    }

    Konsolenmeldungen meldungen(aus);
    // Batch mode never asks whether to save a changed window.
    Tmodulfenster::nachfragenAbschalten(true);
    const auto wieder = qScopeGuard([] { Tmodulfenster::nachfragenAbschalten(false); });
    Dialogschliesser schliesser;
    const QList<Tmodulfenster*> vorher = offene_fenster();
    QPointer<Tmodulfenster> fenster = art->erzeugen();
    QStringList befehle;
    QString speichern;
    for (qsizetype i = start + 2; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        const bool hat_wert = i + 1 < argumente.size();
        if (a == QLatin1String("--load") && hat_wert) {
            // Nothing may run on a window that did not get its file: a later --save would
            // replace the file with an empty window's.
            const QString datei = argumente[++i];
            if (!fenster->laden(datei)) {
                err << "Die Datei kann nicht geladen werden: " << u8(datei) << "\n";
                return 1;
            }
            // A file cut short leaves the window changed right after loading; the window would
            // ask before overwriting it, and batch mode has nobody to ask.
            if (fenster->geaendert()) {
                err << "Die Datei ist unvollständig; sie wurde nur teilweise geladen: " << u8(datei)
                    << "\n";
                return 1;
            }
        } else if (a == QLatin1String("--set") && hat_wert) {
            if (!setzen(*fenster, argumente[++i], err)) return 2;
        } else if (a == QLatin1String("--command") && hat_wert) {
            befehle << argumente[++i];
        } else if (a == QLatin1String("--save") && hat_wert) {
            speichern = argumente[++i];
        } else {
            err << "Unbekannte oder unvollständige Angabe: " << u8(a) << "\n" << aufruf;
            return 2;
        }
    }
    // Without a command the window computes, whether "Rechne" is the frame's or its own.
    if (befehle.isEmpty() && fenster->befehlNachName(QStringLiteral("Rechne")))
        befehle << QStringLiteral("Rechne");
    for (const QString& name : befehle) {
        QAction* a = fenster->befehlNachName(name);
        if (a == nullptr) {
            err << "Unbekannter Befehl: " << u8(name) << "\n";
            return 2;
        }
        if (!a->isEnabled()) {
            err << "Befehl gerade nicht verfügbar: " << u8(name) << "\n";
            continue;
        }
        a->trigger();
        QApplication::processEvents();
        if (!fenster) break; // the command closed the window
    }
    bool gespeichert = true;
    if (fenster && !speichern.isEmpty()) {
        gespeichert = fenster->inDateiSchreiben(speichern);
        if (gespeichert)
            fenster->setzeDateiname(speichern);
        else
            err << "Die Datei kann nicht gespeichert werden: " << u8(speichern) << "\n";
    }
    if (fenster) ausgeben(*fenster, aus);
    for (Tmodulfenster* f : offene_fenster())
        if (f != fenster && !vorher.contains(f)) ausgeben(*f, aus);
    aus.flush();
    if (!aus) {
        err << "Die Ausgabe kann nicht geschrieben werden.\n";
        return 1;
    }
    return gespeichert ? 0 : 1;
}

} // namespace zol
