#include "shell/rahmen/komponentenblock.h"

#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

#include <limits>

namespace zol {

namespace {

// The decimal and integer edit fields are plain edit fields too and so write their text a
// second time; the spin controls are not.
bool ist_langzahl(const QWidget* w) {
    return qobject_cast<const TlongintEdit*>(w);
}
bool ist_dezimal(const QWidget* w) {
    return qobject_cast<const TextendEdit*>(w);
}
bool ist_spin_dezimal(const QWidget* w) {
    return qobject_cast<const TSpinEditex*>(w);
}
bool ist_spin_ganz(const QWidget* w) {
    return qobject_cast<const Tspineditin*>(w);
}
bool ist_editfeld(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w);
}

QString text_von(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return s->text();
    return {};
}

// The raw text goes back as it was written: no clamping, no formatting.
void text_setzen(QWidget* w, const QString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* s = qobject_cast<Tspinbasis*>(w))
        s->setText(text);
}

int fensterzustand(const QWidget* fenster) {
    if (fenster->isMinimized()) return 1;
    if (fenster->isMaximized()) return 2;
    return 0;
}

void zustand_setzen(QWidget* fenster, int zustand) {
    fenster->setWindowState(zustand == 1   ? Qt::WindowMinimized
                            : zustand == 2 ? Qt::WindowMaximized
                                           : Qt::WindowNoState);
}

// Reads lines of the block one after the other, never past the end.
class Leser {
public:
    Leser(const QStringList& z, int& i) : zeilen_(z), index_(i) {}
    bool naechste(QString& zeile) {
        if (index_ < 0 || index_ >= zeilen_.size()) return false;
        zeile = zeilen_[index_++];
        return true;
    }
    bool zahl(int& wert) {
        QString z;
        if (!naechste(z)) return false;
        bool ok = false;
        const int w = z.trimmed().toInt(&ok);
        if (ok) wert = w;
        return true;
    }
    // The lines of a DATEN_ANFANG ... DATEN_ENDE block; false (nothing consumed) if the next
    // line does not open one.
    bool block(QStringList& inhalt) {
        if (index_ < 0 || index_ >= zeilen_.size() || zeilen_[index_] != daten_anfang) return false;
        ++index_;
        inhalt.clear();
        while (index_ < zeilen_.size() && zeilen_[index_] != daten_ende)
            inhalt << zeilen_[index_++];
        if (index_ < zeilen_.size())
            ++index_;
        else
            zu_kurz_ = true; // the block's end marker is missing: rows are lost
        return true;
    }
    // True when a data block ended without its end marker: the file was cut short there. (A
    // file that simply ends between controls may be another window's of the same marker, or
    // an older layout, and is read as far as it goes without complaint.)
    bool zu_kurz() const { return zu_kurz_; }

private:
    bool zu_kurz_ = false;
    const QStringList& zeilen_;
    int& index_;
};

void block_schreiben(QStringList& zeilen, const QStringList& inhalt) {
    zeilen << daten_anfang << inhalt << daten_ende;
}

} // namespace

bool wird_gespeichert(const QWidget* steuerelement) {
    return steuerelement->property("Tag").toInt() == 0;
}

void Tsaveloadlist::componentenspeichern(QWidget* fenster, const QList<QWidget*>& komponenten) {
    const QRect g =
        fenster->normalGeometry().isValid() ? fenster->normalGeometry() : fenster->geometry();
    zeilen << QStringLiteral("%1#%2#%3#%4#%5#")
                  .arg(fensterzustand(fenster))
                  .arg(g.width())
                  .arg(g.height())
                  .arg(g.top())
                  .arg(g.left());
    for (QWidget* w : komponenten) {
        if (!wird_gespeichert(w)) continue;
        if (ist_langzahl(w)) zeilen << text_von(w);
        if (ist_dezimal(w)) zeilen << text_von(w);
        if (ist_spin_dezimal(w)) zeilen << text_von(w);
        if (ist_spin_ganz(w)) zeilen << text_von(w);
        if (ist_editfeld(w)) zeilen << text_von(w);
        if (auto* k = qobject_cast<QCheckBox*>(w))
            zeilen << QString::number(k->isChecked() ? 1 : 0);
        if (auto* r = qobject_cast<QRadioButton*>(w))
            zeilen << QString::number(r->isChecked() ? 1 : 0);
        if (auto* g = qobject_cast<TRadioGroup*>(w)) zeilen << QString::number(g->itemIndex());
        if (auto* t = qobject_cast<QTabWidget*>(w)) zeilen << QString::number(t->currentIndex());
        if (auto* m = qobject_cast<QPlainTextEdit*>(w))
            block_schreiben(zeilen, m->toPlainText().split(QLatin1Char('\n')));
        if (auto* m = qobject_cast<QTextEdit*>(w))
            block_schreiben(zeilen, m->toPlainText().split(QLatin1Char('\n')));
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStringList inhalt{c->currentText()};
            for (int i = 0; i < c->count(); ++i)
                inhalt << c->itemText(i);
            block_schreiben(zeilen, inhalt);
        }
        if (auto* l = qobject_cast<QListWidget*>(w)) {
            QStringList inhalt;
            for (int i = 0; i < l->count(); ++i)
                inhalt << l->item(i)->text();
            block_schreiben(zeilen, inhalt);
        }
        if (auto* s = qobject_cast<TStringGrid*>(w)) {
            QStringList inhalt;
            for (int r = 0; r < s->rowCount(); ++r) {
                QStringList zellen;
                for (int c = 0; c < s->colCount(); ++c)
                    zellen << s->cell(c, r);
                inhalt << zellen.join(QLatin1Char('\t'));
            }
            block_schreiben(zeilen, inhalt);
        }
    }
}

QRect im_bildschirm(const QRect& wunsch) {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (schirm == nullptr) return wunsch;
    const QRect frei = schirm->availableGeometry();
    const int breite = std::min(wunsch.width(), frei.width());
    const int hoehe = std::min(wunsch.height(), frei.height());
    const int links = std::clamp(wunsch.left(), frei.left(), frei.right() + 1 - breite);
    const int oben = std::clamp(wunsch.top(), frei.top(), frei.bottom() + 1 - hoehe);
    return {links, oben, breite, hoehe};
}

bool Tsaveloadlist::componentenladen(QWidget* fenster, const QList<QWidget*>& komponenten,
                                     int& index) {
    Leser leser(zeilen, index);
    QString geometrie;
    if (!leser.naechste(geometrie)) return false;
    const QStringList felder = geometrie.split(QLatin1Char('#'));
    auto feld = [&](int i, int vorgabe) {
        bool ok = false;
        const int w = i < felder.size() ? felder[i].toInt(&ok) : 0;
        return ok ? w : vorgabe;
    };
    const int zustand = feld(0, 0);
    if (zustand == 0) {
        const QRect alt = fenster->geometry();
        const int breite = std::clamp(feld(1, alt.width()), 50, 10000);
        const int hoehe = std::clamp(feld(2, alt.height()), 50, 10000);
        fenster->setGeometry(
            im_bildschirm({feld(4, alt.left()), feld(3, alt.top()), breite, hoehe}));
    }
    zustand_setzen(fenster, zustand);

    for (QWidget* w : komponenten) {
        if (!wird_gespeichert(w)) continue;
        QString z;
        const auto text_lesen = [&] {
            if (leser.naechste(z)) text_setzen(w, z);
        };
        if (ist_langzahl(w)) text_lesen();
        if (ist_dezimal(w)) text_lesen();
        if (ist_spin_dezimal(w)) text_lesen();
        if (ist_spin_ganz(w)) text_lesen();
        if (ist_editfeld(w)) text_lesen();
        int zahl = 0;
        if (auto* k = qobject_cast<QCheckBox*>(w); k && leser.zahl(zahl)) k->setChecked(zahl != 0);
        if (auto* r = qobject_cast<QRadioButton*>(w); r && leser.zahl(zahl))
            r->setChecked(zahl != 0);
        if (auto* g = qobject_cast<TRadioGroup*>(w); g) {
            zahl = g->itemIndex();
            if (leser.zahl(zahl)) g->setItemIndex(zahl);
        }
        if (auto* t = qobject_cast<QTabWidget*>(w); t) {
            zahl = t->currentIndex();
            if (leser.zahl(zahl) && zahl >= 0 && zahl < t->count()) t->setCurrentIndex(zahl);
        }
        QStringList inhalt;
        if (auto* m = qobject_cast<QPlainTextEdit*>(w); m && leser.block(inhalt)) {
            m->setPlainText(inhalt.join(QLatin1Char('\n')));
            m->moveCursor(QTextCursor::Start);
        }
        if (auto* m = qobject_cast<QTextEdit*>(w); m && leser.block(inhalt)) {
            m->setPlainText(inhalt.join(QLatin1Char('\n')));
            m->moveCursor(QTextCursor::Start);
        }
        if (auto* c = qobject_cast<QComboBox*>(w); c && leser.block(inhalt)) {
            c->clear();
            if (!inhalt.isEmpty()) {
                const QString text = inhalt.takeFirst();
                c->addItems(inhalt);
                if (c->isEditable())
                    c->setEditText(text);
                else
                    c->setCurrentIndex(c->findText(text));
            }
        }
        if (auto* l = qobject_cast<QListWidget*>(w); l && leser.block(inhalt)) {
            l->clear();
            l->addItems(inhalt);
        }
        if (auto* s = qobject_cast<TStringGrid*>(w); s && leser.block(inhalt)) {
            // Each row sets the column count to its own field count, as the grid did before, so
            // a cell survives only below the count of its own and of every later row. The grid is
            // resized once with that result instead of once per row.
            QList<QStringList> zeilen;
            for (const QString& z : inhalt)
                zeilen << z.split(QLatin1Char('\t'));
            s->setRowCount(std::max<int>(static_cast<int>(inhalt.size()), s->fixedRows() + 1));
            int bleibt = std::numeric_limits<int>::max();
            for (qsizetype r = zeilen.size() - 1; r >= 0; --r) {
                const int felder = static_cast<int>(zeilen[r].size());
                bleibt = std::min(bleibt, std::max(felder, s->fixedCols() + 1));
                if (r == zeilen.size() - 1) s->setColCount(bleibt);
                for (int c = 0; c < std::min(felder, bleibt); ++c)
                    s->setCell(c, static_cast<int>(r), zeilen[r][c]);
            }
        }
    }
    return !leser.zu_kurz();
}

} // namespace zol
