// Files and the clipboard of the spreadsheet: ".tab" files, text files, copy and paste.
#include "modules/analysis/tabelleform.h"

#include "engine/fktbaum.h"
#include "modules/analysis/tabellegitter.h"
#include "modules/analysis/tabellenrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/stringgrid.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>

#include <memory>
#include <vector>

namespace zol {

namespace {

// Paste takes at most this much of the clipboard text.
constexpr int max_einfuegen = 32000;

const QStringList textfilter{QStringLiteral("Text (*.txt)")};

// Colours are stored as the red, green and blue bytes of one integer, red lowest.
int farbe_als_zahl(const QColor& f) {
    return f.red() | (f.green() << 8) | (f.blue() << 16);
}
QColor zahl_als_farbe(int z) {
    return QColor(z & 0xFF, (z >> 8) & 0xFF, (z >> 16) & 0xFF);
}

QString null_eins(bool wert) {
    return wert ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

// Font name, bold, italic, underline, strike-out, colour, size, row count, column count, each
// followed by "#".
QString Ttabelleform::einstellungszeile() const {
    const QFont f = StringGrid1->font();
    QStringList felder{
        f.family(),
        null_eins(f.bold()),
        null_eins(f.italic()),
        null_eins(f.underline()),
        null_eins(f.strikeOut()),
        QString::number(farbe_als_zahl(StringGrid1->palette().color(QPalette::Text))),
        QString::number(schriftgroesse()),
        QString::number(StringGrid1->rowCount()),
        QString::number(StringGrid1->colCount())};
    return felder.join(QLatin1Char('#')) + QLatin1Char('#');
}

void Ttabelleform::einstellungenLesen(const QString& zeile) {
    const QStringList felder = zeile.split(QLatin1Char('#'));
    auto zahl = [&](int i, int vorgabe) {
        bool ok = false;
        const int w = felder.value(i).trimmed().toInt(&ok);
        return ok ? w : vorgabe;
    };
    QFont f = StringGrid1->font();
    if (!felder.value(0).isEmpty()) f.setFamily(felder.value(0));
    f.setBold(felder.value(1) == QLatin1String("1"));
    f.setItalic(felder.value(2) == QLatin1String("1"));
    f.setUnderline(felder.value(3) == QLatin1String("1"));
    f.setStrikeOut(felder.value(4) == QLatin1String("1"));
    f.setPointSize(std::clamp(zahl(6, schriftgroesse()), 4, 200));
    StringGrid1->setFont(f);
    QPalette p = StringGrid1->palette();
    p.setColor(QPalette::Text, zahl_als_farbe(zahl(5, farbe_als_zahl(p.color(QPalette::Text)))));
    StringGrid1->setPalette(p);
    // Within the bounds of "Einstellungen"; a larger sheet takes its size from its cells.
    groesseSetzen(std::clamp(zahl(7, StringGrid1->rowCount()), 2, 1000),
                  std::clamp(zahl(8, StringGrid1->colCount()), 2, 1000));
}

// Before saving the grid shows the inputs, so the file keeps formulas, not values; afterwards
// the values come back.
bool Ttabelleform::inDateiSchreiben(const QString& datei) {
    bearbeitungAbschliessen();
    anzeigenUebernehmen();
    formelnAnzeigen();
    Tsaveloadlist liste;
    liste.zeilen << art().kennung << format() << einstellungszeile();
    liste.componentenspeichern(this, komponenten());
    const bool ok = zeilen_schreiben(datei, liste.zeilen, this);
    rechne();
    return ok;
}

bool Ttabelleform::laden(const QString& datei) {
    QStringList zeilen;
    if (!zeilen_lesen(datei, zeilen, this)) return false;
    if (zeilen.isEmpty() || zeilen.first() != art().kennung) {
        meldung(QStringLiteral("Datei kann nicht geladen werden."), this);
        return false;
    }
    bearbeitungAbschliessen();
    laedt_ = true;
    setzeFormat(zeilen.value(1));
    einstellungenLesen(zeilen.value(2));

    // The grid blocks are taken as text and filled in one pass: a grid filled row by row
    // would be restyled whole after every row.
    const QString kein_block = QStringLiteral("\x01");
    std::vector<std::unique_ptr<QPlainTextEdit>> bloecke;
    QList<QWidget*> leser;
    for (int i = 0; i < komponenten().size(); ++i) {
        bloecke.push_back(std::make_unique<QPlainTextEdit>(kein_block));
        leser << bloecke.back().get();
    }
    Tsaveloadlist liste;
    liste.zeilen = zeilen;
    int index = 3;
    const bool vollstaendig = liste.componentenladen(this, leser, index);
    for (int i = 0; i < komponenten().size(); ++i) {
        auto* gitter = qobject_cast<TStringGrid*>(komponenten()[i]);
        const QString text = bloecke[static_cast<std::size_t>(i)]->toPlainText();
        if (gitter && text != kein_block) gitter_fuellen(*gitter, text.split(QLatin1Char('\n')));
    }
    groesseSetzen(StringGrid1->rowCount(), StringGrid1->colCount());
    for (int r = 1; r < StringGrid1->rowCount(); ++r) {
        for (int c = 1; c < StringGrid1->colCount(); ++c) {
            const QString text = StringGrid1->cell(c, r);
            if (!text.trimmed().isEmpty()) StringGrid2->setCell(c, r, text);
        }
    }
    setzeDateiname(datei);
    laedt_ = false;
    rechne();
    nachDemLaden(vollstaendig);
    return true;
}

bool Ttabelleform::textSpeichern(const QString& titel, const QRect& bereich) {
    bearbeitungAbschliessen();
    const QString datei =
        Meldungsdienst::aktuell().datei_speichern(this, titel, textfilter, QStringLiteral("txt"));
    if (datei.isEmpty()) return false;
    QStringList zeilen;
    for (int r = bereich.top(); r <= bereich.bottom(); ++r) {
        QStringList zellen;
        for (int c = bereich.left(); c <= bereich.right(); ++c)
            zellen << StringGrid1->cell(c, r);
        zeilen << zellen.join(QLatin1Char('\t'));
    }
    return zeilen_schreiben(datei, zeilen, this);
}

bool Ttabelleform::alsTextdateiSpeichern() {
    return textSpeichern(QStringLiteral("Als Textdatei speichern"),
                         QRect(0, 0, StringGrid1->colCount(), StringGrid1->rowCount()));
}

bool Ttabelleform::markiertenBereichSpeichern() {
    return textSpeichern(QStringLiteral("Markierten Bereich speichern"), StringGrid1->auswahl());
}

bool Ttabelleform::textdateiEinfuegen() {
    const QString datei = Meldungsdienst::aktuell().datei_oeffnen(
        this, QStringLiteral("Textdatei einfügen"), textfilter, QStringLiteral("txt"));
    if (datei.isEmpty()) return false;
    QStringList zeilen;
    if (!zeilen_lesen(datei, zeilen, this)) return false;
    textEinsetzen(zeilen.join(QLatin1Char('\n')), false);
    return true;
}

// Each field becomes the cell's input and display text; a blank field empties the cell.
void Ttabelleform::textEinsetzen(const QString& text, bool wachsen) {
    bearbeitungAbschliessen();
    const QRect a = StringGrid1->auswahl();
    const Einfuegeplan plan =
        einfuegen_planen(text.toStdString(), a.left(), a.top(), StringGrid1->rowCount(),
                         StringGrid1->colCount(), wachsen);
    if (plan.zeilen != StringGrid1->rowCount() || plan.spalten != StringGrid1->colCount())
        groesseSetzen(plan.zeilen, plan.spalten);
    StringGrid1->setUpdatesEnabled(false);
    for (const Einfuegefeld& f : plan.felder) {
        const QString t = ist_leer(f.text) ? QString() : QString::fromStdString(f.text);
        StringGrid1->setCell(f.spalte, f.zeile, t);
        StringGrid2->setCell(f.spalte, f.zeile, t);
    }
    if (wachsen) {
        Gitterpaar blatt(*StringGrid1, *StringGrid2);
        const std::string bild = format().toStdString();
        for (const Einfuegefeld& f : plan.felder)
            if (!ist_leer(f.text)) zelle_rechnen(*zellen_, blatt, f.spalte, f.zeile, bild);
    }
    StringGrid1->setUpdatesEnabled(true);
    zeileAuffrischen();
}

void Ttabelleform::bereichLeeren(const QRect& bereich) {
    for (int r = bereich.top(); r <= bereich.bottom(); ++r) {
        for (int c = bereich.left(); c <= bereich.right(); ++c) {
            StringGrid1->setCell(c, r, QString());
            StringGrid2->setCell(c, r, QString());
        }
    }
    zeileAuffrischen();
}

void Ttabelleform::zwischenablage(Befehl befehl, QWidget* ziel) {
    if (ziel == nullptr) {
        QWidget* fokus = QApplication::focusWidget();
        ziel = fokus && isAncestorOf(fokus) ? fokus : StringGrid1;
    }
    // The edit line and the open cell editor have their own clipboard commands.
    if (ziel != StringGrid1) {
        Tmodulfenster::zwischenablage(befehl, ziel);
        return;
    }
    bearbeitungAbschliessen();
    QClipboard* ablage = QApplication::clipboard();
    const QRect a = StringGrid1->auswahl();
    switch (befehl) {
    case Befehl::kopieren:
        ablage->setText(StringGrid1->alsText(a));
        break;
    case Befehl::ausschneiden:
        ablage->setText(StringGrid1->alsText(a));
        bereichLeeren(a);
        break;
    case Befehl::loeschen:
        bereichLeeren(a);
        break;
    case Befehl::alles_auswaehlen:
        StringGrid1->allesAuswaehlen();
        break;
    case Befehl::einfuegen: {
        const QMimeData* daten = ablage->mimeData();
        if (daten == nullptr || !daten->hasText()) return;
        textEinsetzen(daten->text().left(max_einfuegen), true);
        break;
    }
    default:
        break;
    }
}

void Ttabelleform::alsBitmapKopieren() {
    QApplication::clipboard()->setPixmap(grab());
}

} // namespace zol
