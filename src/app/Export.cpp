#include "app/Export.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cstdio>
#include <memory>

#include "bundle/Paket.h"
#include "bundle/Paketmeldung.h"
#include "design/Befunde.h"
#include "design/Gestaltung.h"
#include "model/Cp1252.h"
#include "model/Eingabefehler.h"
#include "model/Wortlaut.h"
#include "phpgen/Bildausgabe.h"
#include "phpgen/PhpSkript.h"
#include "platform/Dateien.h"
#include "platform/QtSurface.h"
#include "platform/QtText.h"
#include "platform/SystemUhr.h"
#include "render/Fehlergruende.h"
#include "render/Schriftsuche.h"
#include "render/Sendegroesse.h"
#include "render/Serveransicht.h"

namespace tafomat {

namespace {

void melden(const QString& text) {
    std::fprintf(stderr, "tafomat: %s\n", text.toLocal8Bit().constData());
}

int eingabefehler(const QString& text) {
    melden(text);
    return ExitFehlerEingabe;
}

QString englisch(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString datensatz(int nummer) {
    return QStringLiteral("record %1 (%2)").arg(nummer).arg(englisch(Datensatzname(nummer)));
}

QString datensatz(Feld feld) {
    return datensatz(Datensatznummer(feld));
}

QString abbruchText(const EinstellungenErgebnis& ergebnis) {
    const int nummer = ergebnis.angewendet + 1;
    switch (ergebnis.abbruch) {
        case Abbruch::DateiEnde:
            return QStringLiteral("the file ends before %1").arg(datensatz(nummer));
        case Abbruch::KeineZahl:
            return QStringLiteral("%1 holds no number").arg(datensatz(nummer));
        case Abbruch::AußerhalbBereich: {
            const Reglerbereich bereich = bereichVon(
                Datensätze[static_cast<std::size_t>(nummer - 1)].feld.value_or(Feld::XPos));
            return QStringLiteral("%1 lies outside %2 to %3")
                .arg(datensatz(nummer))
                .arg(bereich.min)
                .arg(bereich.max);
        }
        case Abbruch::ZuLang:
            return QStringLiteral("%1 holds more than %2 characters")
                .arg(datensatz(nummer))
                .arg(LängsteTextzeile);
        case Abbruch::Keiner:
            break;
    }
    return {};
}

QString eingabeText(const Eingabebefund& befund) {
    const Wortlaut grund =
        befund.lesefehler ? Eingabegrund(befund.feld, *befund.lesefehler) : UnbrauchbareGröße;
    return datensatz(befund.feld) + QStringLiteral(": ") + englisch(grund.englisch);
}

QString ausgabeText(const Ausgabebefund& befund, const Exportauftrag& auftrag) {
    const QString gegeben = befund.mangel == Ausgabemangel::KeineArt
                                ? auftrag.art
                                : auftrag.qualität.value_or(QString());
    return englisch(einsetzen(Ausgabeworte(befund.mangel).englisch,
                              {gegeben.toStdString(), befund.art, std::to_string(befund.höchste)}));
}

[[nodiscard]] bool pngSchreiben(const Bild& bild, const QString& pfad) {
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    return QImageWriter(&puffer, "png").write(alsQImage(bild)) &&
           writeFile(pfad, std::string_view(png.constData(), std::size_t(png.size())));
}

std::unique_ptr<Uhr> uhrFür(const Exportauftrag& auftrag) {
    if (auftrag.heute) return std::make_unique<FesteUhr>(*auftrag.heute);
    return std::make_unique<SystemUhr>();
}

// The design as the window holds it after "Einstellungen öffnen": the same fields, the same
// preview, made without a window.
class Export {
  public:
    explicit Export(const Exportauftrag& auftrag)
        : m_auftrag(auftrag), m_uhr(uhrFür(auftrag)), m_felder(m_vorschau, *m_uhr) {}

    int ausführen() {
        const std::string artText = m_auftrag.art.toStdString();
        const std::optional<std::string> qualitätText =
            m_auftrag.qualität ? std::optional(m_auftrag.qualität->toStdString()) : std::nullopt;
        if (const auto befund = ausgabePrüfen(artText, qualitätText))
            return eingabefehler(ausgabeText(*befund, m_auftrag));
        const std::optional<std::string> art = bildartLesen(artText);
        // The script needs the picture's name, the bundle its bytes: only a picture asked for
        // decodes the background.
        m_vorschau.nurPrüfen(!m_auftrag.vorschau && !m_auftrag.serveransicht && !m_auftrag.info &&
                             !m_auftrag.weiter);
        m_felder.setText(Feld::BildArt, *art);
        BildArtAnwenden(m_felder);
        if (m_auftrag.qualität)
            m_felder.setText(Feld::BildQuallität, m_auftrag.qualität->toStdString());
        if (const int status = lesen()) return status;
        return schreiben();
    }

  private:
    QString designdatei() const { return Einstellungsdatei(m_auftrag.design); }

    int lesen() {
        const FileContent inhalt = readFile(designdatei(), GrößteEinstellungsdatei);
        if (inhalt.failure)
            return eingabefehler(QStringLiteral("%1: cannot be read (%2)")
                                     .arg(designdatei(), englisch(Einstellungsdateigrund(
                                                             *inhalt.failure, Sprache::Englisch))));
        const EinstellungenErgebnis ergebnis =
            EinstellungenLaden(inhalt.bytes, m_felder, m_vorschau);
        // As "Einstellungen öffnen" redraws after reading, whether it read all or not.
        const std::optional<Zeichenstopp> stopp = m_felder.neuZeichnen();
        if (ergebnis.abbruch != Abbruch::Keiner)
            return eingabefehler(
                QStringLiteral("%1: %2").arg(designdatei(), abbruchText(ergebnis)));
        if (ergebnis.bildFehlt) bildWarnen();
        drehungWarnen();
        schriftWarnen();
        if (const auto befund = ersteUnlesbareEingabe(m_felder, stopp))
            return eingabefehler(QStringLiteral("%1: %2").arg(designdatei(), eingabeText(*befund)));
        return 0;
    }

    // "d.txt: record 3 (SchriftartListe)"
    QString ort(Feld feld) const { return designdatei() + QStringLiteral(": ") + datensatz(feld); }

    // A path or name of any length stays within one line of the message.
    static constexpr int LängsterName = 60;

    QString kurz(Feld feld) const {
        return shortenMiddle(toQString(m_felder.text(feld)), LängsterName);
    }

    void bildWarnen() const {
        const Bildfehler fehler =
            m_vorschau.backgroundFailure().value_or(Bildfehler{Bildfehlergrund::Beschaedigt});
        melden(QStringLiteral(
                   "warning: %1: the picture %2 cannot be loaded (%3); the preview uses the "
                   "built-in picture")
                   .arg(ort(Feld::HintergrundPfad), kurz(Feld::HintergrundPfad),
                        englisch(Bildgrund(fehler, Sprache::Englisch))));
    }

    // GD on the server draws a photo as stored, whatever turn its Exif entry asks for.
    void drehungWarnen() const {
        const std::optional<int> ausrichtung = drehungPrüfen(m_vorschau);
        if (!ausrichtung) return;
        melden(QStringLiteral("warning: %1: ").arg(ort(Feld::HintergrundPfad)) +
               englisch(einsetzen(
                   Drehungsworte.englisch,
                   {std::to_string(*ausrichtung), kurz(Feld::HintergrundPfad).toStdString()})));
    }

    // A font that is not installed here, or cannot be drawn, leaves the preview's font, which the
    // script then names.
    void schriftWarnen() const {
        Schriftbefund befund = schriftPrüfen(m_felder, m_vorschau);
        const std::string genommen = utf8FromCp1252(m_vorschau.fontName());
        std::string grund;
        if (!befund.vorschauHatSchrift) {
            befund.lage = Schriftlage::KeineDatei;
            grund = Schriftgrund(genommen, schriftSuchen(genommen), Sprache::Englisch);
        } else if (befund.lage == Schriftlage::NichtZeichenbar) {
            grund = Schriftgrund(utf8FromCp1252(m_felder.text(Feld::SchriftartListe)), befund.fund,
                                 Sprache::Englisch);
        }
        const std::string_view worte = Schriftworte(befund).englisch;
        if (worte.empty()) return;
        melden(QStringLiteral("warning: ") +
               englisch(
                   einsetzen(worte, {ort(Feld::SchriftartListe).toStdString(),
                                     kurz(Feld::SchriftartListe).toStdString(), genommen, grund})));
    }

    int schreiben() {
        // The script is made also when only a picture is asked for: a size in the template
        // that the surface refuses stops the preview part-way as it stops the script.
        const std::optional<std::string> skript = PhpSkript(m_felder, m_vorschau);
        if (!skript)
            return eingabefehler(QStringLiteral("%1: the template holds a size or position the "
                                                "preview and the script cannot draw")
                                     .arg(ort(Feld::Txt)));
        if (m_auftrag.weiter) return weitergeben(*skript);
        // Everything is checked and made before the first file is written.
        std::optional<ServerPaket> paket;
        if (m_auftrag.paket) {
            paket = ServerPaketPlanen(m_felder, m_vorschau, skript);
            if (paket->fehler) return eingabefehler(paketfehlerText(*paket));
            ServerPaketOrdnerPrüfen(*paket, paketordner());
            if (paket->fehler == PaketFehler::Ordner) return schreibfehler(*paket);
            if (paket->fehler) return eingabefehler(paketfehlerText(*paket));
        }
        std::optional<Bild> server;
        if (m_auftrag.serveransicht || m_auftrag.info) {
            server = Serveransicht(m_felder, m_vorschau, m_uhr->heute());
            if (!server)
                return eingabefehler(
                    QStringLiteral("%1: the server would draw nothing").arg(designdatei()));
        }
        if (m_auftrag.vorschau && !pngSchreiben(m_vorschau.bild(), *m_auftrag.vorschau))
            return schreibfehler(*m_auftrag.vorschau);
        if (m_auftrag.serveransicht && !pngSchreiben(*server, *m_auftrag.serveransicht))
            return schreibfehler(*m_auftrag.serveransicht);
        if (m_auftrag.php && !phpSchreiben(*skript)) return schreibfehler(phpdatei());
        const int status = paket ? paketSchreiben(*paket) : 0;
        if (status == 0 && m_auftrag.info) infoAusgeben(*server);
        return status;
    }

    int weitergeben(const std::string& skript) const {
        ServerPaket paket = ServerPaketPlanen(m_felder, m_vorschau, skript);
        if (paket.fehler) return eingabefehler(paketfehlerText(paket));
        if (paket.bildfehler) bildErsetztWarnen(paket);
        return m_auftrag.weiter(Entwurf{m_felder, m_vorschau, paket});
    }

    QString phpdatei() const {
        // The name rule looks only at the ASCII ending, so the UTF-8 path passes unchanged.
        return QString::fromStdString(PhpDateiname(m_auftrag.php->toStdString()));
    }

    [[nodiscard]] bool phpSchreiben(const std::string& skript) const {
        return writeFile(phpdatei(), skript + std::string(Zeilenumbruch));
    }

    // The figures the window shows beside the server view.
    void infoAusgeben(const Bild& server) const {
        const std::optional<Bildausgabe> ausgabe = BildausgabeLesen(m_felder);
        if (!ausgabe) return;
        std::printf("%s\n", toQString(Sendegröße(server, *ausgabe)).toLocal8Bit().constData());
    }

    std::string paketordner() const { return QFile::encodeName(*m_auftrag.paket).toStdString(); }

    QString paketfehlerText(const ServerPaket& paket) const {
        const QString datei = toQString(paket.datei);
        const PaketFehler fehler = paket.fehler.value_or(PaketFehler::KeinSkript);
        Paketangaben angaben{
            datei.toStdString(),
            shortenMiddle(datei, LängsterName).toStdString(),
            QDir(m_auftrag.paket.value_or(QString())).filePath(datei).toStdString(),
            m_auftrag.paket.value_or(QString()).toStdString(),
            ort(Feld::HintergrundName).toStdString(),
            {},
            {}};
        if (fehler == PaketFehler::KeineSchrift)
            angaben.grund =
                Schriftgrund(utf8FromCp1252(paket.datei),
                             schriftSuchen(utf8FromCp1252(paket.datei)), Sprache::Englisch);
        return englisch(Paketmeldung(fehler, Sprache::Englisch, angaben));
    }

    int paketSchreiben(ServerPaket& paket) const {
        ServerPaketSchreiben(paket, paketordner());
        if (paket.fehler) return schreibfehler(paket);
        if (paket.bildfehler) bildErsetztWarnen(paket);
        return 0;
    }

    void bildErsetztWarnen(const ServerPaket& paket) const {
        melden(QStringLiteral("warning: --bundle: the picture %1 cannot be read (%2); %3 is "
                              "the built-in picture")
                   .arg(kurz(Feld::HintergrundPfad),
                        englisch(Bildgrund(*paket.bildfehler, Sprache::Englisch)),
                        toQString(paket.bild.name)));
    }

    int schreibfehler(const ServerPaket& paket) const {
        melden(paketfehlerText(paket));
        return ExitFehlerSchreiben;
    }

    static int schreibfehler(const QString& pfad) {
        melden(QStringLiteral("%1: cannot be written").arg(pfad));
        return ExitFehlerSchreiben;
    }

    const Exportauftrag& m_auftrag;
    std::unique_ptr<Uhr> m_uhr;
    GdSurface m_vorschau;
    Gestaltungsfelder m_felder;
};

}  // namespace

int Exportieren(const Exportauftrag& auftrag) {
    return Export(auftrag).ausführen();
}

}  // namespace tafomat
