#include "ui/Steuerelemente.h"

#include <QFontDatabase>
#include <QPixmap>

#include <cmath>

#include "model/Zahlen.h"
#include "platform/QtText.h"
#include "ui/Bildgroesse.h"
#include "ui/Cp1252Filter.h"
#include "ui/Knopf.h"
#include "ui/Regler.h"
#include "ui/WideBlanks.h"

namespace tafomat {

namespace {

// Positions and sizes are laid out in twips, 15 to the pixel.
QRect twips(int links, int oben, int breite, int höhe) {
    return {links / 15, oben / 15, breite / 15, höhe / 15};
}

// The first family that the system has wins. Liberation Sans and Mono share the metrics of
// Arial and Courier New.
QFont schrift(const QStringList& familien, bool fett = false, double punkte = 8.25) {
    QFont font;
    font.setFamilies(familien);
    font.setPointSizeF(punkte);
    font.setBold(fett);
    font.setItalic(false);
    return font;
}

// Liberation Sans runs wider than MS Sans Serif; at 7.5 points the longest label,
// "#5 Einmalige Anschaffungskosten", fits its 161 pixels.
QFont fensterSchrift(bool fett = false) {
    static const bool original = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"));
    return schrift({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}, fett,
                   original ? 8.25 : 7.5);
}

// The least width of a blank in the runs that icons and lists lie over: the four leading
// blanks of a frame caption end right of its icon, the blanks of Label6 right of BildArt, and
// the run before "speichern" right of its floppy icon.
constexpr double RahmenBlank = 5.5;
constexpr double Label6Blank = 4.5;
constexpr double KnopfBlank = 3.2;

QFont arial() {
    return schrift({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
}

QFont courierNew() {
    return schrift({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
}

template <class Widget, class... Args>
Widget* anlegen(QWidget* eltern, const QString& name, QRect ort, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., eltern);
    widget->setObjectName(name);
    widget->setGeometry(ort);
    widget->setFont(fensterSchrift());
    return widget;
}

void färben(QWidget* widget, QPalette::ColorRole rolle, QColor farbe) {
    QPalette palette = widget->palette();
    palette.setColor(rolle, farbe);
    widget->setPalette(palette);
}

const QColor Hellgelb(255, 255, 192);
const QColor Hellgrün(192, 255, 192);
const QColor Hellblau(192, 192, 255);

QGroupBox* rahmen(QWidget* eltern, const QString& name, QRect ort, const QString& titel) {
    auto* box = anlegen<CaptionFrame>(eltern, name, ort, titel, RahmenBlank);
    box->setFont(fensterSchrift(true));
    return box;
}

QPushButton* knopf(QWidget* eltern, const QString& name, QRect ort, const QString& titel,
                   QColor fläche, bool fett) {
    auto* k = anlegen<Knopf>(eltern, name, ort, titel);
    k->setFont(fensterSchrift(fett));
    färben(k, QPalette::Button, fläche);
    return k;
}

void beschriftung(QWidget* eltern, const QString& name, QRect ort, const QString& text) {
    auto* label = anlegen<QLabel>(eltern, name, ort, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void trennlinie(QWidget* eltern, const QString& name, int y) {
    auto* linie = anlegen<QFrame>(eltern, name, QRect(120 / 15, y / 15, (3600 - 120) / 15 + 1, 1));
    linie->setFrameShape(QFrame::NoFrame);
    linie->setAutoFillBackground(true);
    färben(linie, QPalette::Window, linie->palette().color(QPalette::Dark));
}

// An icon box: the icon's transparent parts show the box's background. An icon on a button
// passes its clicks to the button.
void knopfBild(QWidget* eltern, int nummer, QRect ort, const QString& bild, QColor hintergrund,
               const QString& tipp = {}, QAbstractButton* knopf = nullptr) {
    const QString name = QStringLiteral("KnopfBild%1").arg(nummer);
    QLabel* box =
        knopf ? anlegen<Knopfbild>(eltern, name, ort, knopf) : anlegen<QLabel>(eltern, name, ort);
    box->setPixmap(QPixmap(QStringLiteral(":/") + bild));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setAutoFillBackground(true);
    färben(box, QPalette::Window, hintergrund);
    box->setToolTip(tipp);
}

QLineEdit* eingabe(QWidget* eltern, Feld feld, QRect ort) {
    auto* zeile = anlegen<QLineEdit>(eltern, QString::fromUtf8(feldName(feld)), ort,
                                     toQString(startText(feld)));
    zeile->setValidator(new Cp1252Validator(zeile));
    return zeile;
}

Eingabeliste* liste(QWidget* eltern, Feld feld, QRect ort) {
    auto* box = anlegen<Eingabeliste>(eltern, QString::fromUtf8(feldName(feld)), ort);
    box->setValidator(new Cp1252Validator(box));
    box->setEditText(toQString(startText(feld)));
    return box;
}

template <class Textfeld>
Textfeld* mehrzeilig(QWidget* eltern, Feld feld, QRect ort, const QFont& font) {
    auto* feldWidget = anlegen<Textfeld>(eltern, QString::fromUtf8(feldName(feld)), ort);
    feldWidget->setFont(font);
    feldWidget->setLineWrapMode(QPlainTextEdit::NoWrap);
    feldWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    feldWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    feldWidget->setTabChangesFocus(true);
    feldWidget->setPlainText(toQString(startText(feld)));
    return feldWidget;
}

QScrollBar* regler(QWidget* eltern, Feld feld, QRect ort, Qt::Orientation richtung, int seite) {
    auto* bar = anlegen<Regler>(eltern, QString::fromUtf8(feldName(feld)), ort, richtung);
    const Reglerbereich bereich = bereichVon(feld);
    bar->setRange(bereich.min, bereich.max);
    bar->setSingleStep(1);
    bar->setPageStep(seite);
    bar->setValue(startWert(feld));
    // Like the window's other scroll bars: a change counts when the thumb is let go.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

void Frame1Füllen(Steuerelemente& s) {
    QWidget* f = s.Frame1;
    const QColor weiß = Qt::white;
    knopfBild(f, 5, twips(120, 0, 240, 240), QStringLiteral("info.png"), weiß,
              QStringLiteral("Hier können Sie Ihre Werte eingeben."));
    trennlinie(f, QStringLiteral("Line20"), 300);
    beschriftung(f, QStringLiteral("Label1"), twips(120, 390, 2295, 255),
                 QStringLiteral("#1 Datum des Beginns"));
    s.DaTxt = eingabe(f, Feld::DaTxt, twips(2640, 360, 975, 285));
    beschriftung(f, QStringLiteral("Label2"), twips(120, 630, 2295, 255),
                 QStringLiteral("#2 Tage bis Heute"));
    s.TaTxt = eingabe(f, Feld::TaTxt, twips(2640, 600, 975, 285));
    trennlinie(f, QStringLiteral("Line23"), 1020);
    beschriftung(f, QStringLiteral("Label3"), twips(120, 1110, 2775, 255),
                 QStringLiteral("#3 Alte Kosten pro Tag"));
    s.AlTxt = eingabe(f, Feld::AlTxt, twips(2640, 1080, 855, 285));
    beschriftung(f, QStringLiteral("Label51"), twips(3480, 1110, 135, 255), QStringLiteral("€"));
    beschriftung(f, QStringLiteral("Label8"), twips(120, 1350, 2415, 255),
                 QStringLiteral("#4 Zigarettenverbrauch pro Tag"));
    s.KiTxt = eingabe(f, Feld::KiTxt, twips(2640, 1320, 375, 285));
    beschriftung(f, QStringLiteral("Label52"), twips(3000, 1350, 495, 255),
                 QStringLiteral("Stück"));
    beschriftung(f, QStringLiteral("Label10"), twips(120, 1590, 2415, 255),
                 QStringLiteral("#Z Gesammte Zigaretten"));
    s.GZTxt = eingabe(f, Feld::GZTxt, twips(2640, 1560, 975, 285));
    trennlinie(f, QStringLiteral("Line22"), 1980);
    beschriftung(f, QStringLiteral("Label9"), twips(120, 2070, 2415, 255),
                 QStringLiteral("#5 Einmalige Anschaffungskosten"));
    s.AnTxt = eingabe(f, Feld::AnTxt, twips(2640, 2040, 855, 285));
    beschriftung(f, QStringLiteral("Label53"), twips(3480, 2070, 135, 255), QStringLiteral("€"));
    beschriftung(f, QStringLiteral("Label4"), twips(120, 2310, 2175, 255),
                 QStringLiteral("#6 Neue Kosten pro Tag"));
    s.NeTxt = eingabe(f, Feld::NeTxt, twips(2640, 2280, 855, 285));
    beschriftung(f, QStringLiteral("Label54"), twips(3480, 2310, 135, 255), QStringLiteral("€"));
    beschriftung(f, QStringLiteral("Label59"), twips(120, 2550, 3015, 255),
                 QStringLiteral("#7 Gesammte Einsparung"));
    s.GETxt = eingabe(f, Feld::GETxt, twips(2640, 2520, 855, 285));
    beschriftung(f, QStringLiteral("Label58"), twips(3480, 2550, 135, 255), QStringLiteral("€"));
    trennlinie(f, QStringLiteral("Line24"), 2940);
    beschriftung(f, QStringLiteral("Label50"), twips(120, 3030, 3015, 255),
                 QStringLiteral("#8 Freier Betrag pro Tag"));
    s.StTxt = eingabe(f, Feld::StTxt, twips(2640, 3000, 855, 285));
    beschriftung(f, QStringLiteral("Label55"), twips(3480, 3030, 135, 255), QStringLiteral("€"));
    beschriftung(f, QStringLiteral("Label57"), twips(120, 3270, 3015, 255),
                 QStringLiteral("#9 Ergebnis von #2 mal #8"));
    s.GSTxt = eingabe(f, Feld::GSTxt, twips(2640, 3240, 855, 285));
    beschriftung(f, QStringLiteral("Label56"), twips(3480, 3270, 135, 255), QStringLiteral("€"));
    trennlinie(f, QStringLiteral("Line21"), 3660);
    // The program writes the results at every redraw; typing into them would be lost.
    for (QLineEdit* ergebnis : {s.TaTxt, s.GZTxt, s.GETxt, s.GSTxt}) ergebnis->setReadOnly(true);
    s.Hintergrundbild = knopf(f, QStringLiteral("Hintergrundbild"), twips(240, 3720, 3135, 375),
                              QStringLiteral("Hintergrundbild öffnen"), Hellgelb, true);
    knopfBild(f, 2, twips(360, 3780, 240, 240), QStringLiteral("bild.png"),
              f->palette().color(QPalette::Button),
              QStringLiteral("Ein Hintergrundbild muß ausgewählt werden!"), s.Hintergrundbild);
}

void Frame3Füllen(Steuerelemente& s, Bildfeld::Source palette) {
    QWidget* f = s.Frame3;
    knopfBild(f, 0, twips(120, 0, 240, 240), QStringLiteral("info.png"), Qt::white,
              QStringLiteral("Hier können Sie einen Schrift-Farbe in Ihren Text einfügen. z.B.: "
                             "#F255255255 für Weiß."));
    s.PicFa = anlegen<Bildfeld>(f, QStringLiteral("PicFa"), twips(120, 240, 1920, 480),
                                std::move(palette));
    färben(s.PicFa, QPalette::Window, Qt::white);
}

void Frame2Füllen(Steuerelemente& s, Bildfeld::Source palette) {
    QWidget* f = s.Frame2;
    knopfBild(f, 7, twips(120, 0, 240, 240), QStringLiteral("info.png"), Qt::white,
              QStringLiteral("Hier können Sie Ihren Text eingeben. Mit dem #-Zeichen können Sie "
                             "Ihre Daten in den Text einfügen. z.B.: #2 für die Anzahl der "
                             "vergangenen Tage."));
    s.SchriftartListe = liste(f, Feld::SchriftartListe, twips(2040, 0, 975, 315));
    s.SchriftGröße = liste(f, Feld::SchriftGröße, twips(3000, 0, 615, 315));
    s.SchriftGröße->setToolTip(SchriftGrößeTipp());
    // The entry of the size in force: " 8 " and "8,5" stand for 8.
    s.SchriftGröße->setEntryRule([](const QString& text) {
        return QString::number(std::floor(leadingNumber(toCp1252(text))));
    });
    s.Txt = mehrzeilig<Vorlagenfeld>(f, Feld::Txt, twips(120, 360, 3255, 1815), arial());
    s.Abstand = regler(f, Feld::Abstand, twips(3480, 360, 150, 1815), Qt::Vertical, 4);
    s.Frame3 = rahmen(f, QStringLiteral("Frame3"), twips(120, 2280, 2175, 855),
                      QStringLiteral("    Schriftfarbe"));
    Frame3Füllen(s, std::move(palette));
    auto* label7 = anlegen<QLabel>(f, QStringLiteral("Label7"), twips(2520, 2280, 855, 495),
                                   QStringLiteral("Text Fein- Ausrichten"));
    label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label7->setWordWrap(true);
    label7->setToolTip(QStringLiteral(" Mit den Reglern können Sie den Text feinjustieren."));
    s.YPos = regler(f, Feld::YPos, twips(3480, 2280, 150, 735), Qt::Vertical, 8);
    s.XPos = regler(f, Feld::XPos, twips(2520, 2880, 735, 135), Qt::Horizontal, 8);
    s.EinstellungenÖffnen =
        knopf(f, QStringLiteral("EinstellungenÖffnen"), twips(120, 3240, 3495, 375),
              QStringLiteral("Einstellungen öffnen"), Hellgelb, false);
    knopfBild(f, 8, twips(240, 3300, 240, 240), QStringLiteral("ordner.png"), Hellgelb,
              QStringLiteral("Hiermit können Sie Ihre Einstellungen Laden."),
              s.EinstellungenÖffnen);
    s.EinstellungenSpeichern =
        knopf(f, QStringLiteral("EinstellungenSpeichern"), twips(120, 3720, 3495, 375),
              QStringLiteral("Einstellungen speichern"), Hellgrün, false);
    knopfBild(f, 1, twips(240, 3780, 240, 240), QStringLiteral("diskette.png"), Hellgrün,
              QStringLiteral("Hiermit können Sie Ihre Einstellungen Speichern."),
              s.EinstellungenSpeichern);
}

void Frame4Füllen(Steuerelemente& s) {
    QWidget* f = s.Frame4;
    knopfBild(f, 6, twips(120, 0, 240, 240), QStringLiteral("info.png"), Qt::white,
              QStringLiteral("Hier erscheint später der Php-Quelltext."));
    s.QuTxt = mehrzeilig<Cp1252TextEdit>(f, Feld::QuTxt, twips(120, 240, 3495, 3015), courierNew());
    auto* label6 =
        anlegen<WideBlankLabel>(f, QStringLiteral("Label6"), twips(120, 3435, 3495, 255),
                                QStringLiteral("Erzeuge              mit Quallität"), Label6Blank);
    label6->setFont(fensterSchrift(true));
    label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QString tipp =
        QStringLiteral("Hier können Sie einstellen, welche Bild-Art erstellt werden soll.");
    s.BildArt = liste(f, Feld::BildArt, twips(840, 3360, 735, 315));
    for (const char* art : {"jpeg", "png", "gif"}) s.BildArt->appendItem(QString::fromLatin1(art));
    s.BildArt->setToolTip(tipp);
    s.BildQuallität = liste(f, Feld::BildQuallität, twips(2880, 3360, 750, 315));
    s.BildQuallität->setToolTip(tipp);
    s.PhpQuelltext = anlegen<WideBlankButton>(
        f, QStringLiteral("PhpQuelltext"), twips(120, 3720, 3495, 375),
        QStringLiteral("    Php-Quelltext erstellen und        speichern"), KnopfBlank);
    färben(s.PhpQuelltext, QPalette::Button, Hellblau);
    knopfBild(f, 3, twips(240, 3780, 240, 240), QStringLiteral("blatt.png"), Hellblau, {},
              s.PhpQuelltext);
    knopfBild(f, 4, twips(2445, 3780, 240, 240), QStringLiteral("diskette.png"), Hellblau, {},
              s.PhpQuelltext);
}

void Tabreihenfolge(const Steuerelemente& s) {
    const QWidget* reihe[] = {s.DaTxt,
                              s.TaTxt,
                              s.AlTxt,
                              s.NeTxt,
                              s.StTxt,
                              s.KiTxt,
                              s.AnTxt,
                              s.PhpQuelltext,
                              s.QuTxt,
                              s.GSTxt,
                              s.GETxt,
                              s.GZTxt,
                              s.Hintergrundbild,
                              s.YPos,
                              s.XPos,
                              s.SchriftGröße,
                              s.SchriftartListe,
                              s.EinstellungenSpeichern,
                              s.EinstellungenÖffnen,
                              s.Abstand,
                              s.Fett,
                              s.BildArt,
                              s.BildQuallität,
                              s.Txt,
                              s.Serveransicht,
                              s.ServerPaket,
                              s.Veröffentlichen,
                              s.Hilfe};
    for (std::size_t i = 1; i < std::size(reihe); ++i) {
        QWidget::setTabOrder(const_cast<QWidget*>(reihe[i - 1]), const_cast<QWidget*>(reihe[i]));
    }
}

// Right of the preview, below the script's frame; the window moves them when the preview grows.
void ServerteilAnlegen(QWidget* fenster, Steuerelemente& s) {
    s.Serveransicht =
        anlegen<QCheckBox>(fenster, QStringLiteral("Serveransicht"), twips(7560, 4440, 3735, 300));
    s.Serveransicht->setText(QStringLiteral("Serveransicht"));
    s.Serveransicht->setToolTip(
        QStringLiteral("Zeigt das Bild so, wie es der Server heute sendet: mit den Werten, die "
                       "das Php-Programm berechnet, und an den Stellen, an die es den Text "
                       "schreibt."));
    s.ServerPaket = knopf(fenster, QStringLiteral("ServerPaket"), twips(7560, 4800, 3735, 375),
                          QStringLiteral("Server-Paket speichern"), Hellblau, false);
    s.ServerPaket->setToolTip(
        QStringLiteral("Speichert das Php-Programm, das Hintergrundbild und die Schriftart "
                       "zusammen in einen Ordner, den Sie so auf Ihren Server kopieren können."));
    s.Veröffentlichen =
        knopf(fenster, QStringLiteral("Veroeffentlichen"), twips(7560, 4800, 3735, 375),
              QStringLiteral("Veröffentlichen …"), Hellblau, false);
    s.Veröffentlichen->setToolTip(
        QStringLiteral("Lädt das Server-Paket auf Ihren Server und prüft, ob unter der Adresse "
                       "des Banners genau dieses Banner ankommt."));
    s.Hinweis =
        anlegen<Hinweiszeile>(fenster, QStringLiteral("Hinweis"), twips(7560, 5220, 3735, 450));
    s.Hilfe = anlegen<QPushButton>(fenster, QStringLiteral("Hilfe"), twips(10995, 4440, 300, 300),
                                   QStringLiteral("?"));
    s.Hilfe->setFont(fensterSchrift(true));
    s.Hilfe->setToolTip(QStringLiteral("Über Tafomat. Die Anleitung öffnet die Taste F1."));
    s.Bildgröße = BildgrößeAnlegen(fenster);
}

}  // namespace

QString SchriftGrößeTipp() {
    return QStringLiteral("Verändert die Schriftgröße. z.B.: Imt Text mit #G01 bis #G99 ");
}

Steuerelemente SteuerelementeAnlegen(QWidget* fenster, Bildfeld::Source vorschau,
                                     Bildfeld::Source palette) {
    fenster->setFont(fensterSchrift());
    Steuerelemente s{};
    s.Frame1 = rahmen(fenster, QStringLiteral("Frame1"), twips(120, 120, 3735, 4215),
                      QStringLiteral("    Eingabe-Werte und Ausgabe-Werte"));
    s.Frame2 = rahmen(fenster, QStringLiteral("Frame2"), twips(3840, 120, 3735, 4215),
                      QStringLiteral("    Textfeld"));
    s.Frame4 = rahmen(fenster, QStringLiteral("Frame4"), twips(7560, 120, 3735, 4215),
                      QStringLiteral("    Quelltextfeld für Php"));
    Frame1Füllen(s);
    Frame2Füllen(s, std::move(palette));
    Frame4Füllen(s);
    s.Fett = knopf(fenster, QStringLiteral("Fett"), twips(5160, 120, 615, 255),
                   QStringLiteral("Fett"), fenster->palette().color(QPalette::Button), true);
    s.Fett->setToolTip(
        QStringLiteral("Setzt im Text #B ein um den Text breiter anzuzeigen. Das zweite #B "
                       "zeichnet den Text wieder normal weiter."));
    s.Pic = new Bildfeld(std::move(vorschau));
    s.Pic->setObjectName(QStringLiteral("Pic"));
    s.Pic->setFont(fensterSchrift());
    färben(s.Pic, QPalette::Window, Qt::white);
    s.PicBereich = anlegen<Vorschaubereich>(fenster, QStringLiteral("PicBereich"),
                                            twips(120, 4440, 6900, 990), s.Pic);
    s.Pic->setToolTip(
        QStringLiteral("Das ist das Ausgabebild, das Zeigt, wie später alles aussieht."));
    ServerteilAnlegen(fenster, s);
    Tabreihenfolge(s);
    return s;
}

QLineEdit* Steuerelemente::zeilenfeld(Feld feld) const {
    switch (feld) {
        case Feld::DaTxt:
            return DaTxt;
        case Feld::AlTxt:
            return AlTxt;
        case Feld::KiTxt:
            return KiTxt;
        case Feld::AnTxt:
            return AnTxt;
        case Feld::NeTxt:
            return NeTxt;
        case Feld::StTxt:
            return StTxt;
        case Feld::TaTxt:
            return TaTxt;
        case Feld::GZTxt:
            return GZTxt;
        case Feld::GETxt:
            return GETxt;
        case Feld::GSTxt:
            return GSTxt;
        default:
            return nullptr;
    }
}

QPlainTextEdit* Steuerelemente::textfeld(Feld feld) const {
    switch (feld) {
        case Feld::Txt:
            return Txt;
        case Feld::QuTxt:
            return QuTxt;
        default:
            return nullptr;
    }
}

Eingabeliste* Steuerelemente::liste(Feld feld) const {
    switch (feld) {
        case Feld::SchriftartListe:
            return SchriftartListe;
        case Feld::SchriftGröße:
            return SchriftGröße;
        case Feld::BildArt:
            return BildArt;
        case Feld::BildQuallität:
            return BildQuallität;
        default:
            return nullptr;
    }
}

QScrollBar* Steuerelemente::regler(Feld feld) const {
    switch (feld) {
        case Feld::XPos:
            return XPos;
        case Feld::YPos:
            return YPos;
        case Feld::Abstand:
            return Abstand;
        default:
            return nullptr;
    }
}

}  // namespace tafomat
