// Editing cells: the cell editor in the grid, the edit line above it, and what happens to a
// cell when either is accepted.
#include "modules/analysis/tabelleform.h"

#include "engine/fktbaum.h"
#include "modules/analysis/tabellegitter.h"
#include "modules/analysis/tabellenrechnung.h"
#include "shell/rahmen/stringgrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace zol {

// The grid's cell editor edits the input text, not the shown value; what is typed appears in
// the edit line as well, and accepting it goes through Ttabelleform::zelleEingeben.
class Tzelleneditor : public QStyledItemDelegate {
public:
    explicit Tzelleneditor(Ttabelleform* fenster)
        : QStyledItemDelegate(fenster), fenster_(fenster) {}

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        if (fenster_ == nullptr) return nullptr;
        auto* e = new QLineEdit(eltern);
        e->setFrame(false);
        QObject::connect(e, &QLineEdit::textEdited, fenster_,
                         [f = fenster_](const QString& text) { f->zelleneditorGetippt(text); });
        editor_ = e;
        return e;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        // Only when editing starts: a value written meanwhile must not replace what is typed.
        auto* e = static_cast<QLineEdit*>(editor);
        if (fenster_ == nullptr || e->property("gefuellt").toBool()) return;
        e->setProperty("gefuellt", true);
        e->setText(fenster_->editortext(index.column(), index.row()));
    }
    // Numbers stand right-aligned, as in every spreadsheet; text stays left.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->text.isEmpty() && zellart(option->text.toStdString()) == Zellart::zahl)
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        if (fenster_ == nullptr) return;
        fenster_->zelleEingeben(index.column(), index.row(),
                                static_cast<QLineEdit*>(editor)->text());
    }
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (editor_ == editor) editor_ = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }
    // Accepts an open editor (before commands that read the cells).
    void abschliessen() {
        if (!editor_) return;
        QWidget* e = editor_;
        editor_ = nullptr;
        emit commitData(e);
        emit closeEditor(e, QAbstractItemDelegate::NoHint);
    }
    bool offen() const { return !editor_.isNull(); }
    // The window is being torn down: an editor that loses the focus now commits nothing.
    void abkoppeln() { fenster_ = nullptr; }

private:
    Ttabelleform* fenster_;
    mutable QPointer<QLineEdit> editor_;
};

void Ttabelleform::zelleneditorEinsetzen() {
    editor_ = new Tzelleneditor(this);
    StringGrid1->setItemDelegate(editor_);
    // Cancelling the editor shows the cell's input in the edit line again.
    connect(editor_, &QAbstractItemDelegate::closeEditor, this, [this] { zeileAuffrischen(); });
}

void Ttabelleform::editorAbkoppeln() {
    editor_->abkoppeln();
    editor_->disconnect(this);
}

QString Ttabelleform::editortext(int spalte, int zeile) {
    QString text = eingabe(spalte, zeile);
    if (editorVorgabeGesetzt_) {
        text = editorVorgabe_;
        editorVorgabeGesetzt_ = false;
    }
    if (!zeileAktiv_) Edit1->setText(text);
    return text;
}

void Ttabelleform::zelleneditorGetippt(const QString& text) {
    if (!zeileAktiv_) Edit1->setText(text);
}

void Ttabelleform::zelleEingeben(int spalte, int zeile, const QString& text) {
    if (spalte < 1 || zeile < 1 || spalte >= StringGrid1->colCount() ||
        zeile >= StringGrid1->rowCount())
        return;
    const QString t = text.trimmed().isEmpty() ? QString() : text;
    StringGrid2->setCell(spalte, zeile, t);
    StringGrid1->setCell(spalte, zeile, t);
    if (direktRechnen_->isChecked()) zelleRechnen(spalte, zeile);
    zeileAuffrischen();
}

// One cell, as typing recalculates it. A cell that no longer stands for a value also leaves the
// table, so formulas typed afterwards do not find its old value.
void Ttabelleform::zelleRechnen(int spalte, int zeile) {
    Gitterpaar blatt(*StringGrid1, *StringGrid2);
    const Zellergebnis e = zelle_rechnen(*zellen_, blatt, spalte, zeile, format().toStdString());
    if (e.definiert || e.unveraendert) return;
    const std::string name = zellname(spalte, zeile);
    if (zellen_->sucheeintrag(name) >= 0) zellen_->loesche_fkt(name);
}

// Texts written straight into the visible grid (an edit not yet taken over, a batch run) are
// inputs too.
void Ttabelleform::anzeigenUebernehmen() {
    for (int r = 1; r < StringGrid1->rowCount(); ++r) {
        for (int c = 1; c < StringGrid1->colCount(); ++c) {
            const QString angezeigt = StringGrid1->cell(c, r);
            if (angezeigt.trimmed().isEmpty() || !StringGrid2->cell(c, r).trimmed().isEmpty())
                continue;
            StringGrid2->setCell(c, r, angezeigt);
        }
    }
}

void Ttabelleform::zelleGewaehlt(int zeile, int spalte) {
    if (zeile < 1 || spalte < 1) return;
    Label1->setText(QString::fromStdString(zellname(spalte, zeile)));
    if (!zeileAktiv_) Edit1->setText(eingabe(spalte, zeile));
}

void Ttabelleform::zeileAuffrischen() {
    const QPoint z = aktuelleZelle();
    Label1->setText(QString::fromStdString(zellname(z.x(), z.y())));
    if (!zeileAktiv_ && !editor_->offen()) Edit1->setText(eingabe(z.x(), z.y()));
}

void Ttabelleform::Edit1Enter() {
    if (zeileAktiv_) return;
    editor_->abschliessen();
    zeileAktiv_ = true;
    abgebrochen_ = false;
    zeileZelle_ = aktuelleZelle();
    zeileVorher_ = eingabe(zeileZelle_.x(), zeileZelle_.y());
    Edit1->setText(zeileVorher_);
    Annehmen->setEnabled(true);
    Abbrechen->setEnabled(true);
}

void Ttabelleform::Edit1Exit() {
    if (!zeileAktiv_) return;
    Annehmen->setEnabled(false);
    Abbrechen->setEnabled(false);
    if (!abgebrochen_) zeileUebernehmen();
    zeileAktiv_ = false;
    abgebrochen_ = false;
}

// A text goes into the cell; an emptied line empties the cell, an untouched empty one does not.
void Ttabelleform::zeileUebernehmen() {
    const QString text = Edit1->text();
    if (text.trimmed().isEmpty() && !Edit1->isModified()) return;
    const bool aktiv = zeileAktiv_;
    zeileAktiv_ = false; // the edit line shows what the cell holds now
    zelleEingeben(zeileZelle_.x(), zeileZelle_.y(), text);
    zeileAktiv_ = aktiv;
    zeileVorher_ = eingabe(zeileZelle_.x(), zeileZelle_.y());
    Edit1->setModified(false);
}

void Ttabelleform::AnnehmenClick() {
    Edit1Exit();
    StringGrid1->setFocus();
}

void Ttabelleform::AbbrechenClick() {
    Edit1->setText(zeileVorher_);
    abgebrochen_ = true;
    Edit1Exit();
    StringGrid1->setFocus();
}

// Commands that read the cells first take over what is being typed.
void Ttabelleform::bearbeitungAbschliessen() {
    editor_->abschliessen();
    if (zeileAktiv_) zeileUebernehmen();
}

bool Ttabelleform::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Edit1) {
        switch (ereignis->type()) {
        case QEvent::FocusIn:
            // Coming back from a menu or another window, the line is still being edited.
            Edit1Enter();
            break;
        case QEvent::FocusOut: {
            // A menu or another window takes the focus only for a while.
            const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
            if (grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason) Edit1Exit();
            break;
        }
        case QEvent::KeyPress: {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                if (!zeileAktiv_) Edit1Enter();
                AnnehmenClick();
                return true;
            }
            if (taste == Qt::Key_Escape && zeileAktiv_) {
                AbbrechenClick();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return Tmodulfenster::eventFilter(objekt, ereignis);
}

} // namespace zol
