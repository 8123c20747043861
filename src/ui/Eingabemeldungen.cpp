#include "ui/Eingabemeldungen.h"

#include <algorithm>

#include "model/Datensaetze.h"
#include "model/Vorlage.h"
#include "model/Zahlen.h"
#include "platform/QtText.h"
#include "render/GdSurface.h"
#include "ui/Dateimeldungen.h"

namespace tafomat {

namespace {

// A typed text of any length stays readable in a sentence.
constexpr int LängsterText = 30;

QString zitat(const std::string& text) {
    return QStringLiteral("„%1“").arg(shortenMiddle(toQString(text), LängsterText));
}

bool istBetrag(Feld feld) {
    return DatensatzartVon(feld) != Datensatzart::Anzahl;
}

QString zahlenrat(Feld feld) {
    return istBetrag(feld) ? QStringLiteral("Bitte einen Betrag mit Komma eingeben, z.B. 5,00.")
                           : QStringLiteral("Bitte eine Zahl eingeben, z.B. 22.");
}

}  // namespace

QString Feldbezeichnung(Feld feld) {
    switch (feld) {
        case Feld::DaTxt:
            return QStringLiteral("#1 Datum des Beginns");
        case Feld::AlTxt:
            return QStringLiteral("#3 Alte Kosten pro Tag");
        case Feld::KiTxt:
            return QStringLiteral("#4 Zigarettenverbrauch pro Tag");
        case Feld::AnTxt:
            return QStringLiteral("#5 Einmalige Anschaffungskosten");
        case Feld::NeTxt:
            return QStringLiteral("#6 Neue Kosten pro Tag");
        case Feld::StTxt:
            return QStringLiteral("#8 Freier Betrag pro Tag");
        case Feld::SchriftGröße:
            return QStringLiteral("Schriftgröße");
        default:
            return QString::fromLatin1(feldName(feld).data(), int(feldName(feld).size()));
    }
}

Befund Lesebefund(Feld feld, Lesefehler fehler, const std::string& text) {
    const QString satz = QString::fromStdString(
        einsetzen(Eingabegrund(feld, fehler).deutsch, {zitat(text).toStdString()}));
    switch (fehler) {
        case Lesefehler::KeinDatum:
            return {satz, QStringLiteral("Bitte als Tag.Monat.Jahr eingeben, z.B. 04.11.2010.")};
        case Lesefehler::Leer:
        case Lesefehler::KeineZahl:
            return {satz, zahlenrat(feld)};
        case Lesefehler::ZuGroß:
            break;
    }
    return {satz, QStringLiteral("Bitte eine kleinere Zahl eingeben.")};
}

Befund Größenbefund(const std::string& text) {
    return {
        QString::fromStdString(einsetzen(UnbrauchbareGröße.deutsch, {zitat(text).toStdString()})),
        QStringLiteral("Bitte eine Größe von 1 bis %1 wählen.").arg(GrößteSchriftgröße)};
}

// "5.50" reads as 550: the suggestion writes the point as a comma where that gives one number.
Befund Punktbefund(const std::string& text, double wert) {
    Befund befund{QStringLiteral("Der Punkt in %1 trennt Tausender: das ist %2.")
                      .arg(zitat(text), toQString(regionalNumberText(wert))),
                  QString()};
    if (std::count(text.begin(), text.end(), '.') == 1 && text.find(',') == std::string::npos) {
        std::string mitKomma = text;
        std::replace(mitKomma.begin(), mitKomma.end(), '.', ',');
        befund.rat =
            QStringLiteral("Für Nachkommastellen ein Komma schreiben: %1.").arg(zitat(mitKomma));
    } else {
        befund.rat = QStringLiteral("Für Nachkommastellen ein Komma schreiben.");
    }
    return befund;
}

Befund Vorlagenbefund(const std::string& vorlage, std::size_t stelle) {
    const std::size_t index = std::min(stelle, vorlage.size() + 1) - 1;
    std::size_t suche = index;
    Token token{};
    const bool gefunden = nextToken(vorlage, suche, token);
    const std::size_t breite = gefunden ? token.breite : 1;
    const std::string davor = vorlage.substr(0, index);
    const auto zeile = std::count(davor.begin(), davor.end(), '\r') + 1;
    const std::size_t zeilenanfang = davor.find_last_of("\r\n");
    const std::size_t spalte = zeilenanfang == std::string::npos ? index + 1 : index - zeilenanfang;
    QString grund = QStringLiteral("der Text liegt zu weit außerhalb des Bildes");
    if (gefunden && token.art == TokenArt::BefehlG)
        grund = QStringLiteral("die Schriftgröße %1 lässt sich nicht zeichnen (#G01 bis #G99)")
                    .arg(toQString(regionalNumberText(token.werte[0])));
    else if (gefunden && token.art == TokenArt::BefehlF)
        grund = QStringLiteral("diese Farbe lässt sich nicht lesen (#F000000000 bis #F255255255)");
    const QString befehl = zitat(vorlage.substr(index, breite));
    return {
        QStringLiteral("Zeile %1 des Textes: %2 lässt sich nicht zeichnen.").arg(zeile).arg(befehl),
        QStringLiteral("Beim Zeichen %1 dieser Zeile: %2.").arg(spalte).arg(grund)};
}

QString KeinSkript(const QString& grund) {
    return QStringLiteral("Aus dieser Gestaltung kann kein Php-Programm erstellt werden. %1")
        .arg(grund);
}

}  // namespace tafomat
