#include "app/Export.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cmath>
#include <cstdio>

#include "bundle/Paket.h"
#include "model/Cp1252.h"
#include "phpgen/Bildausgabe.h"
#include "phpgen/PhpSkript.h"
#include "platform/Dateien.h"
#include "platform/QtSurface.h"
#include "platform/QtText.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"
#include "preview/BildZeichnen.h"
#include "render/Schriftsuche.h"
#include "render/Sendegroesse.h"
#include "render/Serveransicht.h"
#include "ui/Dateimeldungen.h"
#include "ui/EinstellungenDatei.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

// Exporting asks nothing: no dialog opens and no message box shows.
class KeineDialoge : public Dialoge {
  public:
    std::optional<DateiWahl> DateiDialogÖffnen(const QString&) override { return std::nullopt; }
    std::optional<QString> DateiDialogSpeichern(const QString&) override { return std::nullopt; }
    void Meldung(const QString&) override {}
};

void melden(const QString& text) {
    std::fprintf(stderr, "tafomat: %s\n", text.toLocal8Bit().constData());
}

int eingabefehler(const QString& text) {
    melden(text);
    return ExitFehlerEingabe;
}

const char* datensatzname(int nummer) {
    static const char* const Namen[] = {"HintergrundPfad",
                                        "HintergrundName",
                                        "SchriftartListe",
                                        "SchriftGröße",
                                        "text colour",
                                        "XPos",
                                        "YPos",
                                        "Abstand",
                                        "DaTxt",
                                        "AlTxt",
                                        "KiTxt",
                                        "AnTxt",
                                        "NeTxt",
                                        "StTxt",
                                        "Txt"};
    return nummer >= 1 && nummer <= 15 ? Namen[nummer - 1] : "?";
}

QString abbruchText(const EinstellungenErgebnis& ergebnis) {
    const int nummer = ergebnis.angewendet + 1;
    const QString datensatz =
        QStringLiteral("record %1 (%2)").arg(nummer).arg(QString::fromUtf8(datensatzname(nummer)));
    switch (ergebnis.abbruch) {
        case Abbruch::DateiEnde:
            return QStringLiteral("the file ends before %1").arg(datensatz);
        case Abbruch::KeineZahl:
            return QStringLiteral("%1 holds no number").arg(datensatz);
        case Abbruch::AusserhalbBereich: {
            const Reglerbereich bereich = bereichVon(nummer == 6   ? Feld::XPos
                                                     : nummer == 7 ? Feld::YPos
                                                                   : Feld::Abstand);
            return QStringLiteral("%1 lies outside %2 to %3")
                .arg(datensatz)
                .arg(bereich.min)
                .arg(bereich.max);
        }
        case Abbruch::ZuLang:
            return QStringLiteral("%1 holds more than %2 characters")
                .arg(datensatz)
                .arg(LängsteTextzeile);
        case Abbruch::Keiner:
            break;
    }
    return {};
}

QString lesefehlerText(ReadFailure fehler) {
    switch (fehler) {
        case ReadFailure::Missing:
            return QStringLiteral("no such file");
        case ReadFailure::NotRegular:
            return QStringLiteral("not a regular file");
        case ReadFailure::TooLarge:
            return QStringLiteral("larger than %1 MiB, far more than a design holds")
                .arg(GrößteEinstellungsdatei / (1024 * 1024));
        case ReadFailure::Unreadable:
            break;
    }
    return QStringLiteral("permission denied or read error");
}

QString bildfehlerText(const Bildfehler& fehler) {
    switch (fehler.grund) {
        case Bildfehlergrund::Fehlt:
            return QStringLiteral("no such file");
        case Bildfehlergrund::KeineNormaleDatei:
            return QStringLiteral("not a regular file");
        case Bildfehlergrund::NichtLesbar:
            return QStringLiteral("permission denied or read error");
        case Bildfehlergrund::ZuGrosseDatei:
            return QStringLiteral("larger than %1 MiB").arg(GroessteBilddatei / (1024 * 1024));
        case Bildfehlergrund::KeinJpeg:
            return QStringLiteral("no JPEG picture");
        case Bildfehlergrund::ZuVieleBildpunkte:
            return QStringLiteral(
                       "%1 x %2 pixels, more than the %3 (4096 x 4096) a background "
                       "may have")
                .arg(fehler.breite)
                .arg(fehler.hoehe)
                .arg(GroessteBildpunktzahl);
        case Bildfehlergrund::Beschaedigt:
            break;
    }
    return QStringLiteral("damaged");
}

// Why a font that is there cannot be drawn, in parentheses after "cannot be drawn".
QString schriftmangelText(const Schriftfund& fund) {
    const QString datei = QString::fromStdString(fund.gefunden);
    switch (fund.mangel) {
        case Schriftmangel::ZweiterSchnitt:
            return QStringLiteral("it is a later face of the collection %1, and GD draws its first")
                .arg(datei);
        case Schriftmangel::NurBitmaps:
            return QStringLiteral("its file %1 holds bitmaps only, which GD cannot scale")
                .arg(datei);
        default:
            return QStringLiteral("its file %1 is cut off or damaged").arg(datei);
    }
}

// "the font "X" is installed, but cannot be drawn (why)" for a font that is there; else nullopt.
std::optional<QString> nichtZeichenbar(const std::string& schrift) {
    const Schriftfund fund = schriftSuchen(utf8FromCp1252(schrift));
    if (!installiertAberNichtZeichenbar(fund)) return std::nullopt;
    return QStringLiteral("the font \"%1\" is installed, but cannot be drawn (%2)")
        .arg(toQString(schrift), schriftmangelText(fund));
}

// The first input that stops the redraw and the script, in the order the redraw reads them.
std::optional<QString> unlesbareEingabe(const Felder& felder) {
    if (!isUsableFontSize(Grundgröße(felder)))
        return QStringLiteral("record 4 (SchriftGröße): no usable font size");
    if (!readDate(felder.text(Feld::DaTxt))) return QStringLiteral("record 9 (DaTxt): no date");
    static constexpr std::pair<Feld, int> Beträge[] = {{Feld::KiTxt, 11},
                                                       {Feld::AlTxt, 10},
                                                       {Feld::NeTxt, 13},
                                                       {Feld::AnTxt, 12},
                                                       {Feld::StTxt, 14}};
    for (const auto& [feld, nummer] : Beträge) {
        const std::optional<double> wert = readDecimal(felder.text(feld));
        if (!wert || !std::isfinite(*wert * 100))
            return QStringLiteral("record %1 (%2): %3")
                .arg(nummer)
                .arg(QString::fromUtf8(feldName(feld).data(), int(feldName(feld).size())))
                .arg(wert ? QStringLiteral("too large") : QStringLiteral("no number"));
    }
    return std::nullopt;
}

// The window's rule for the output type and quality; a quality for gif is asked for in vain.
std::optional<QString> ausgabePrüfen(const std::optional<std::string>& art,
                                     const Exportauftrag& auftrag) {
    if (!art) return QStringLiteral("--type: %1 is not jpeg, png or gif").arg(auftrag.art);
    if (!auftrag.qualität) return std::nullopt;
    if (*art == "gif") return QStringLiteral("--quality: gif takes no quality");
    if (!qualitätLesen(*art, auftrag.qualität->toStdString()))
        return QStringLiteral("--quality: %1 is not a whole number from 0 to %2")
            .arg(*auftrag.qualität)
            .arg(höchsteQualität(*art));
    return std::nullopt;
}

bool pngSchreiben(const QImage& bild, const QString& pfad) {
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    return QImageWriter(&puffer, "png").write(bild) &&
           DateiSchreiben(pfad, std::string_view(png.constData(), std::size_t(png.size())));
}

class Export {
  public:
    explicit Export(const Exportauftrag& auftrag) : m_auftrag(auftrag) {}

    int ausführen() {
        const std::optional<std::string> art = bildartLesen(m_auftrag.art.toStdString());
        if (const auto fehler = ausgabePrüfen(art, m_auftrag)) return eingabefehler(*fehler);
        if (m_auftrag.heute) m_uhr = std::make_unique<FesteUhr>(*m_auftrag.heute);
        MainWindow fenster(m_dialoge, m_schriftarten, *m_uhr, nullptr,
                           MainWindow::Anzeige::Verborgen);
        // The script needs the picture's name, the bundle its bytes: only a picture asked for
        // decodes the background. A window without a screen shows nothing, so its picture box
        // need not copy the preview at every redraw.
        fenster.vorschau().nurPruefen(!m_auftrag.vorschau && !m_auftrag.serveransicht &&
                                      !m_auftrag.info);
        QObject::disconnect(&fenster.vorschau(), &QtSurface::changed, nullptr, nullptr);
        fenster.BildArtWählen(*art);
        if (m_auftrag.qualität)
            fenster.felder().setText(Feld::BildQuallität, m_auftrag.qualität->toStdString());
        if (const int status = lesen(fenster)) return status;
        return schreiben(fenster);
    }

  private:
    QString designdatei() const { return Einstellungsdatei(m_auftrag.design); }

    int lesen(MainWindow& fenster) {
        const EinstellungenGelesen gelesen = fenster.EinstellungenÖffnen(m_auftrag.design);
        if (!gelesen.geöffnet)
            return eingabefehler(QStringLiteral("%1: cannot be read (%2)")
                                     .arg(designdatei(), lesefehlerText(gelesen.lesefehler.value_or(
                                                             ReadFailure::Unreadable))));
        if (gelesen.ergebnis.abbruch != Abbruch::Keiner)
            return eingabefehler(
                QStringLiteral("%1: %2").arg(designdatei(), abbruchText(gelesen.ergebnis)));
        if (gelesen.ergebnis.bildFehlt) bildWarnen(fenster);
        drehungWarnen(fenster);
        schriftWarnen(fenster);
        if (const auto fehler = unlesbareEingabe(fenster.felder()))
            return eingabefehler(QStringLiteral("%1: %2").arg(designdatei(), *fehler));
        return 0;
    }

    // A path or name of any length stays within one line of the message.
    static constexpr int LängsterName = 60;

    void bildWarnen(MainWindow& fenster) const {
        const QString pfad = toQString(fenster.felder().text(Feld::HintergrundPfad));
        const Bildfehler fehler = fenster.vorschau().backgroundFailure().value_or(
            Bildfehler{Bildfehlergrund::Beschaedigt});
        melden(QStringLiteral("warning: %1: record 1 (HintergrundPfad): the picture %2 cannot be "
                              "loaded (%3); the preview uses the built-in picture")
                   .arg(designdatei(), shortenMiddle(pfad, LängsterName), bildfehlerText(fehler)));
    }

    // GD on the server draws a photo as stored, whatever turn its Exif entry asks for.
    void drehungWarnen(MainWindow& fenster) const {
        const std::optional<int> ausrichtung = fenster.vorschau().backgroundOrientation();
        if (!ausrichtung || *ausrichtung == 1) return;
        melden(QStringLiteral("warning: %1: record 1 (HintergrundPfad): the picture %2 asks to be "
                              "turned (EXIF orientation %3); the server draws it as stored, "
                              "unrotated, and so does the preview")
                   .arg(designdatei(),
                        shortenMiddle(toQString(fenster.felder().text(Feld::HintergrundPfad)),
                                      LängsterName))
                   .arg(*ausrichtung));
    }

    // A font that is not installed here, or cannot be drawn, leaves the preview's font, which the
    // script then names.
    void schriftWarnen(MainWindow& fenster) const {
        const std::string verlangt = fenster.felder().text(Feld::SchriftartListe);
        const std::string genommen = fenster.vorschau().fontName();
        if (!fenster.vorschau().hatSchrift()) {
            melden(QStringLiteral("warning: %1; the preview draws no text and the script's "
                                  "positions are not measured")
                       .arg(nichtZeichenbar(genommen).value_or(
                           QStringLiteral("no font file answers the font \"%1\"")
                               .arg(toQString(genommen)))));
            return;
        }
        if (verlangt == genommen) return;
        const QString name = shortenMiddle(toQString(verlangt), LängsterName);
        melden(QStringLiteral("warning: %1: record 3 (SchriftartListe): %2; the preview draws and "
                              "the script names %3.ttf")
                   .arg(designdatei(),
                        nichtZeichenbar(verlangt).value_or(
                            QStringLiteral("the font \"%1\" is not installed").arg(name)),
                        toQString(genommen)));
    }

    int schreiben(MainWindow& fenster) {
        // The script is made also when only a picture is asked for: a size in the template
        // that the surface refuses stops the preview part-way as it stops the script.
        const std::optional<std::string> skript = fenster.PhpQuelltextErstellen();
        if (!skript)
            return eingabefehler(QStringLiteral("%1: record 15 (Txt): the template holds a size or "
                                                "position the preview and the script cannot draw")
                                     .arg(designdatei()));
        // Everything is checked and made before the first file is written.
        std::optional<ServerPaket> paket;
        if (m_auftrag.paket) {
            paket = ServerPaketPlanen(fenster.felder(), fenster.vorschau(), skript);
            if (paket->fehler) return eingabefehler(paketfehlerText(*paket));
            ServerPaketOrdnerPrüfen(*paket, paketordner());
            if (paket->fehler == PaketFehler::Ordner) return schreibfehler(*m_auftrag.paket);
            if (paket->fehler) return eingabefehler(paketfehlerText(*paket));
        }
        std::optional<Bild> server;
        if (m_auftrag.serveransicht || m_auftrag.info) {
            server = Serveransicht(fenster.felder(), fenster.vorschau(), m_uhr->heute());
            if (!server)
                return eingabefehler(
                    QStringLiteral("%1: the server would draw nothing").arg(designdatei()));
        }
        if (m_auftrag.vorschau &&
            !pngSchreiben(alsQImage(fenster.vorschau().bild()), *m_auftrag.vorschau))
            return schreibfehler(*m_auftrag.vorschau);
        if (m_auftrag.serveransicht && !pngSchreiben(alsQImage(*server), *m_auftrag.serveransicht))
            return schreibfehler(*m_auftrag.serveransicht);
        if (m_auftrag.php && !fenster.PhpDateiSchreiben(*m_auftrag.php, *skript))
            return schreibfehler(
                QString::fromStdString(PhpDateiname(m_auftrag.php->toStdString())));
        const int status = paket ? paketSchreiben(*paket, fenster) : 0;
        if (status == 0 && m_auftrag.info) infoAusgeben(*server, fenster.felder());
        return status;
    }

    // The figures the window shows beside the server view.
    static void infoAusgeben(const Bild& server, const Felder& felder) {
        const std::optional<Bildausgabe> ausgabe = BildausgabeLesen(felder);
        if (!ausgabe) return;
        std::printf("%s\n", toQString(Sendegroesse(server, *ausgabe)).toLocal8Bit().constData());
    }

    std::string paketordner() const { return QFile::encodeName(*m_auftrag.paket).toStdString(); }

    QString paketfehlerText(const ServerPaket& paket) const {
        const QString datei = toQString(paket.datei);
        switch (paket.fehler.value_or(PaketFehler::KeinSkript)) {
            case PaketFehler::KeineSchrift: {
                const QString keineDatei =
                    QStringLiteral("no font file answers the font \"%1\"").arg(datei);
                return QStringLiteral("--bundle: ") +
                       nichtZeichenbar(paket.datei).value_or(keineDatei);
            }
            case PaketFehler::Bildname:
                return QStringLiteral(
                           "%1: record 2 (HintergrundName): \"%2\" cannot be a file "
                           "of its own next to the script and the font file")
                    .arg(designdatei(), shortenMiddle(datei, LängsterName));
            case PaketFehler::BildVorhanden:
                return QStringLiteral(
                           "--bundle: the design's picture cannot be read, and %1 "
                           "holds a file %2 that the built-in picture would replace")
                    .arg(*m_auftrag.paket, datei);
            default:
                return QStringLiteral("--bundle: %1 cannot be written").arg(*m_auftrag.paket);
        }
    }

    int paketSchreiben(ServerPaket& paket, MainWindow& fenster) const {
        ServerPaketSchreiben(paket, paketordner());
        if (paket.fehler == PaketFehler::Ordner) return schreibfehler(*m_auftrag.paket);
        if (paket.fehler)
            return schreibfehler(QDir(*m_auftrag.paket).filePath(toQString(paket.datei)));
        if (paket.bildfehler)
            melden(QStringLiteral("warning: --bundle: the picture %1 cannot be read (%2); %3 is "
                                  "the built-in picture")
                       .arg(shortenMiddle(toQString(fenster.felder().text(Feld::HintergrundPfad)),
                                          LängsterName),
                            bildfehlerText(*paket.bildfehler), toQString(paket.bild.name)));
        return 0;
    }

    static int schreibfehler(const QString& pfad) {
        melden(QStringLiteral("%1: cannot be written").arg(pfad));
        return ExitFehlerSchreiben;
    }

    const Exportauftrag& m_auftrag;
    KeineDialoge m_dialoge;
    QtSchriftartenliste m_schriftarten;
    std::unique_ptr<Uhr> m_uhr = std::make_unique<SystemUhr>();
};

}  // namespace

int Exportieren(const Exportauftrag& auftrag) {
    return Export(auftrag).ausführen();
}

}  // namespace tafomat
