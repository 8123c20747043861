// What the window tells the user about the design: marks on the fields that cannot be read, the
// notice line, and the reasons why no script can be made or a file was not saved.
#include "model/Cp1252.h"
#include "model/Datensaetze.h"
#include "model/Eingabefehler.h"
#include "model/Zahlen.h"
#include "phpgen/Zeichenplan.h"
#include "platform/QtText.h"
#include "render/Fehlergruende.h"
#include "render/Hintergrunddatei.h"
#include "render/Schriftsuche.h"
#include "ui/Dateimeldungen.h"
#include "ui/Eingabemeldungen.h"
#include "ui/Feldmarke.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

const QString OhneSkript = QStringLiteral(
    "Bis dahin zeigt die Vorschau den letzten Stand, und es kann kein Php-Programm erstellt "
    "werden.");

QString benannt(Feld feld, const QString& text) {
    return Feldbezeichnung(feld) + QStringLiteral(": ") + text;
}

// Why GD cannot draw the file of a font that is installed.
QString schriftmangel(const Schriftfund& fund) {
    return QString::fromStdString(Mangelgrund(fund, Sprache::Deutsch));
}

struct Feldbefund {
    Feld feld;
    Befund befund;
};

}  // namespace

// The first field that cannot be read stands in the notice line, the first point that reads as
// a thousands mark below it; every field says in its tooltip what is wrong with it.
void MainWindow::EingabenMelden(const std::optional<Zeichenstopp>& stopp) {
    std::optional<Feldbefund> unlesbar;
    std::optional<Feldbefund> punkt;
    for (const Feld feld : Eingabefelder) {
        const std::string text = m_felder.text(feld);
        const std::optional<Lesefehler> fehler = LesefehlerVon(feld, text);
        std::optional<Befund> befund;
        if (fehler) {
            befund = Lesebefund(feld, *fehler, text);
            if (!unlesbar) unlesbar = Feldbefund{feld, *befund};
        } else if (DatensatzartVon(feld) != Datensatzart::Datum && hatVerdächtigenPunkt(text)) {
            befund = Punktbefund(text, readDecimal(text).value_or(0));
            if (!punkt) punkt = Feldbefund{feld, *befund};
        }
        feldMarkieren(m_s.zeilenfeld(feld), fehler.has_value(),
                      befund ? befund->ganz() : QString());
    }
    const bool größe = stopp && stopp->bei == Zeichenstopp::Bei::Grundgröße;
    const std::string größentext = m_felder.text(Feld::SchriftGröße);
    feldMarkieren(m_s.SchriftGröße, größe, größe ? Größenbefund(größentext).ganz() : QString(),
                  SchriftGrößeTipp());
    if (größe && !unlesbar) unlesbar = Feldbefund{Feld::SchriftGröße, Größenbefund(größentext)};

    Hinweiszeile& hinweis = *m_s.Hinweis;
    if (unlesbar) {
        hinweis.setzen(
            Hinweisart::Eingabe, benannt(unlesbar->feld, unlesbar->befund.satz),
            benannt(unlesbar->feld, unlesbar->befund.ganz()) + QLatin1Char(' ') + OhneSkript);
    } else if (stopp && stopp->bei == Zeichenstopp::Bei::Werte) {
        hinweis.setzen(Hinweisart::Eingabe, QStringLiteral("Die Werte sind zu groß zum Rechnen."),
                       QStringLiteral("Die Werte sind zu groß zum Rechnen: bitte die Beträge, die "
                                      "Zigaretten und das Datum prüfen. ") +
                           OhneSkript);
    } else {
        hinweis.löschen(Hinweisart::Eingabe);
    }
    if (stopp && stopp->bei == Zeichenstopp::Bei::Vorlage) {
        const Befund befund = Vorlagenbefund(m_felder.text(Feld::Txt), stopp->stelle);
        hinweis.setzen(Hinweisart::Vorlage, befund.satz,
                       befund.ganz() + QStringLiteral(" Die Vorschau zeigt den Text bis dorthin."));
    } else {
        hinweis.löschen(Hinweisart::Vorlage);
    }
    if (punkt)
        hinweis.setzen(Hinweisart::Punkt, benannt(punkt->feld, punkt->befund.satz),
                       benannt(punkt->feld, punkt->befund.ganz()));
    else
        hinweis.löschen(Hinweisart::Punkt);
}

// The font box may name a font that no file answers or whose file GD cannot draw (the preview
// keeps its font), or one that fontconfig answers with another family: the script and the
// bundle name the chosen one.
void MainWindow::SchriftMelden() {
    Hinweiszeile& hinweis = *m_s.Hinweis;
    const QString gewählt = toQString(m_felder.text(Feld::SchriftartListe));
    const QString genommen = toQString(m_vorschau.fontName());
    const Schriftfund fund = schriftSuchen(utf8FromCp1252(m_felder.text(Feld::SchriftartListe)));
    if (installiertAberNichtZeichenbar(fund)) {
        hinweis.setzen(
            Hinweisart::Schrift,
            QStringLiteral("„%1“ ist installiert, lässt sich aber nicht zeichnen.")
                .arg(shortenMiddle(gewählt, 40)),
            QStringLiteral("Die Schriftart „%1“ ist installiert, aber %2. Die Vorschau "
                           "zeichnet %3.")
                .arg(gewählt, schriftmangel(fund),
                     m_vorschau.hatSchrift() ? QStringLiteral("weiter mit „%1“").arg(genommen)
                                             : QStringLiteral("keinen Text")));
        return;
    }
    if (!m_vorschau.hatSchrift()) {
        hinweis.setzen(
            Hinweisart::Schrift,
            QStringLiteral("Keine Schriftdatei für „%1“: die Vorschau zeigt keinen Text.")
                .arg(genommen),
            QStringLiteral("Zur Schriftart „%1“ findet Tafomat keine Schriftdatei: die "
                           "Vorschau zeigt keinen Text. Bitte eine installierte "
                           "Schriftart wählen.")
                .arg(genommen));
        return;
    }
    if (gewählt != genommen) {
        hinweis.setzen(Hinweisart::Schrift,
                       QStringLiteral("Zu „%1“ gibt es keine Schriftdatei: die Vorschau zeichnet "
                                      "weiter mit „%2“.")
                           .arg(shortenMiddle(gewählt, 40), genommen));
        return;
    }
    const std::optional<std::string> ersatz = ersatzfamilie(utf8FromCp1252(m_vorschau.fontName()));
    if (!ersatz) {
        hinweis.löschen(Hinweisart::Schrift);
        return;
    }
    const QString gezeichnet = QString::fromStdString(*ersatz);
    hinweis.setzen(
        Hinweisart::Schrift,
        QStringLiteral("„%1“ ist nicht installiert: die Vorschau zeichnet „%2“.")
            .arg(genommen, gezeichnet),
        QStringLiteral("Die Schriftart „%1“ ist nicht installiert; die Vorschau zeichnet die "
                       "nächstähnliche, „%2“. Das Php-Programm nennt die Schriftdatei „%1.ttf“, "
                       "und das Server-Paket legt unter diesem Namen die Datei von „%2“ bei.")
            .arg(genommen, gezeichnet));
}

void MainWindow::DrehungMelden() {
    const std::optional<int> ausrichtung = m_vorschau.backgroundOrientation();
    if (!ausrichtung || *ausrichtung == 1) {
        m_s.Hinweis->löschen(Hinweisart::Drehung);
        return;
    }
    m_s.Hinweis->setzen(
        Hinweisart::Drehung, QString::fromUtf8(GedrehtesBild.deutsch),
        QString::fromUtf8(GedrehtesBild.deutsch) +
            QStringLiteral(" Die Kamera hat es gedreht aufgenommen (EXIF-Ausrichtung %1); die "
                           "Vorschau zeigt es wie der Server. Soll es aufrecht stehen, bitte das "
                           "Bild gedreht speichern und neu öffnen.")
                .arg(*ausrichtung));
}

// In the order the script reads the design: the values, then the template.
std::optional<QString> MainWindow::Skripthindernis() {
    for (const Feld feld : Eingabefelder) {
        const std::string text = m_felder.text(feld);
        if (const std::optional<Lesefehler> fehler = LesefehlerVon(feld, text))
            return benannt(feld, Lesebefund(feld, *fehler, text).ganz());
    }
    const std::optional<std::size_t> stopp = Übersetzungsstopp(m_felder, m_vorschau);
    if (!stopp) return std::nullopt;
    if (*stopp == 0)
        return benannt(Feld::SchriftGröße, Größenbefund(m_felder.text(Feld::SchriftGröße)).ganz());
    return Vorlagenbefund(m_felder.text(Feld::Txt), *stopp).ganz();
}

QString MainWindow::Serverhindernis() {
    const QString grund =
        m_vorschau.hatSchrift()
            ? Skripthindernis().value_or(QStringLiteral("Die Tage seit dem Beginn sind zu viele."))
            : QStringLiteral("Zur Schriftart „%1“ findet Tafomat keine Schriftdatei.")
                  .arg(toQString(m_vorschau.fontName()));
    return QStringLiteral("Der Server kann dieses Banner nicht zeichnen. ") + grund;
}

bool MainWindow::Speichern(const QString& pfad, std::string_view bytes) {
    const std::optional<Schreibfehler> fehler = DateiSpeichern(pfad, bytes);
    if (!fehler) {
        m_s.Hinweis->löschen(Hinweisart::Speichern);
        return true;
    }
    const QString meldung = Speichermeldung(*fehler, pfad);
    m_s.Hinweis->setzen(Hinweisart::Speichern, Speicherhinweis(*fehler, pfad), meldung);
    m_dialoge.Meldung(meldung);
    return false;
}

}  // namespace tafomat
