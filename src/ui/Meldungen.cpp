#include "ui/Meldungen.h"

#include <QStringList>

#include "design/Befunde.h"
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

// A finding's words with the values in place, in one pass: a value that holds "%2" stays.
QString eingesetzt(std::string_view text, const QStringList& werte) {
    const QString muster = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QString satz;
    for (qsizetype i = 0; i < muster.size(); ++i) {
        const int rang =
            muster[i] == QLatin1Char('%') && i + 1 < muster.size() ? muster[i + 1].digitValue() : 0;
        if (rang >= 1 && rang <= werte.size()) {
            satz += werte[rang - 1];
            ++i;
        } else {
            satz += muster[i];
        }
    }
    return satz;
}

Befund eingabebefund(const Eingabebefund& befund, const Felder& felder) {
    const std::string text = felder.text(befund.feld);
    return befund.lesefehler ? Lesebefund(befund.feld, *befund.lesefehler, text)
                             : Größenbefund(text);
}

}  // namespace

Meldungen::Meldungen(const Steuerelemente& steuerelemente, const Felder& felder,
                     const QtSurface& vorschau, Dialoge& dialoge)
    : m_s(steuerelemente), m_felder(felder), m_vorschau(vorschau), m_dialoge(dialoge) {}

// The first field that cannot be read stands in the notice line, the first point that reads as
// a thousands mark below it; every field says in its tooltip what is wrong with it.
void Meldungen::EingabenMelden(const std::optional<Zeichenstopp>& stopp) {
    std::optional<Feldbefund> punkt;
    for (const Feld feld : Eingabefelder) {
        const std::string text = m_felder.text(feld);
        const std::optional<Lesefehler> fehler = LesefehlerVon(feld, text);
        std::optional<Befund> befund;
        if (fehler) {
            befund = Lesebefund(feld, *fehler, text);
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

    Hinweiszeile& hinweis = *m_s.Hinweis;
    if (const std::optional<Eingabebefund> unlesbar = ersteUnlesbareEingabe(m_felder, stopp)) {
        const Befund befund = eingabebefund(*unlesbar, m_felder);
        hinweis.setzen(Hinweisart::Eingabe, benannt(unlesbar->feld, befund.satz),
                       benannt(unlesbar->feld, befund.ganz()) + QLatin1Char(' ') + OhneSkript);
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
void Meldungen::SchriftMelden() {
    const QString gewählt = toQString(m_felder.text(Feld::SchriftartListe));
    const QString genommen = toQString(m_vorschau.fontName());
    const Schriftbefund befund = schriftPrüfen(m_felder, m_vorschau);
    const Befundworte worte = Schriftworte(befund);
    QStringList werte;
    switch (befund.lage) {
        case Schriftlage::NichtZeichenbar:
            werte = {gewählt, schriftmangel(befund.fund),
                     befund.vorschauHatSchrift ? QStringLiteral("weiter mit „%1“").arg(genommen)
                                               : QStringLiteral("keinen Text")};
            break;
        case Schriftlage::KeineDatei:
            werte = {genommen};
            break;
        case Schriftlage::Anders:
            werte = {shortenMiddle(gewählt, 40), genommen};
            break;
        case Schriftlage::Gezeichnet:
            werte = {genommen, QString::fromStdString(befund.ersatz.value_or(""))};
            break;
    }
    if (worte.satz.empty()) {
        m_s.Hinweis->löschen(Hinweisart::Schrift);
        return;
    }
    // The short sentence names a long chosen name by its ends.
    QStringList kurz = werte;
    if (befund.lage == Schriftlage::NichtZeichenbar) kurz[0] = shortenMiddle(gewählt, 40);
    m_s.Hinweis->setzen(Hinweisart::Schrift, eingesetzt(worte.satz, kurz),
                        worte.ganz.empty() ? QString() : eingesetzt(worte.ganz, werte));
}

void Meldungen::DrehungMelden() {
    const std::optional<int> ausrichtung = drehungPrüfen(m_vorschau);
    if (!ausrichtung) {
        m_s.Hinweis->löschen(Hinweisart::Drehung);
        return;
    }
    const QStringList werte{QString::number(*ausrichtung)};
    m_s.Hinweis->setzen(Hinweisart::Drehung, eingesetzt(Drehungsworte.satz, werte),
                        eingesetzt(Drehungsworte.ganz, werte));
}

std::optional<QString> Meldungen::Skripthindernis() const {
    if (const std::optional<Eingabebefund> unlesbar = ersteUnlesbareEingabe(m_felder, std::nullopt))
        return benannt(unlesbar->feld, eingabebefund(*unlesbar, m_felder).ganz());
    const std::optional<std::size_t> stopp = Übersetzungsstopp(m_felder, m_vorschau);
    if (!stopp) return std::nullopt;
    if (*stopp == 0)
        return benannt(Feld::SchriftGröße, Größenbefund(m_felder.text(Feld::SchriftGröße)).ganz());
    return Vorlagenbefund(m_felder.text(Feld::Txt), *stopp).ganz();
}

QString Meldungen::Serverhindernis() const {
    const QString grund =
        m_vorschau.hatSchrift()
            ? Skripthindernis().value_or(QStringLiteral("Die Tage seit dem Beginn sind zu viele."))
            : QStringLiteral("Zur Schriftart „%1“ findet Tafomat keine Schriftdatei.")
                  .arg(toQString(m_vorschau.fontName()));
    return QStringLiteral("Der Server kann dieses Banner nicht zeichnen. ") + grund;
}

bool Meldungen::Speichern(const QString& pfad, std::string_view bytes) {
    const std::optional<WriteFailure> fehler = saveFile(pfad, bytes);
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
