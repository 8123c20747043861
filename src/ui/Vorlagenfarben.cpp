#include "ui/Vorlagenfarben.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>

#include "platform/QtText.h"

namespace tafomat {

namespace {

// A command is at most 11 characters long, so it reaches at most this many lines further.
constexpr int Rückblick = 6;
constexpr int Vorblick = 11;

// The line breaks of the field, as the template writes them.
const QString Zeilenumbruch = QStringLiteral("\r\n");

QColor farbeVon(Farbwert farbe) {
    return QColor(farbe % 256, farbe / 256 % 256, farbe / 65536);
}

// How far the readings of the line reach into the next one, in its characters.
int überhang(const std::vector<Deutung>& deutungen, int vorlauf, int zeilenende) {
    int weitestes = 0;
    for (const Deutung& d : deutungen) {
        const int ende = static_cast<int>(d.anfang + d.länge) - vorlauf;
        weitestes = std::max(weitestes, ende - zeilenende);
    }
    return std::max(weitestes, 0);
}

}  // namespace

// Qt colours a new document at the next turn of the event loop and, until then, no change;
// the field is coloured at once instead.
Vorlagenfarben::Vorlagenfarben(QTextDocument* dokument) : QSyntaxHighlighter(dokument) {
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

std::vector<Deutung> Vorlagenfarben::zeilenDeutungen(const QTextBlock& zeile, int& vorlauf) {
    QString text = zeile.text();
    vorlauf = 0;
    QTextBlock anfang = zeile;
    for (int i = 0;
         i < Rückblick && anfang.previous().isValid() && anfang.previous().userState() > 0; ++i) {
        anfang = anfang.previous();
        text.prepend(anfang.text() + Zeilenumbruch);
        vorlauf += static_cast<int>(anfang.text().size()) + 2;
    }
    const int zeilenende = vorlauf + static_cast<int>(zeile.text().size());
    if (zeile.next().isValid()) text += Zeilenumbruch + zeile.next().text().left(Vorblick);
    std::vector<Deutung> deutungen = VorlageDeuten(toCp1252(text), Erklärungen::Ohne);
    deutungen.erase(std::remove_if(deutungen.begin(), deutungen.end(),
                                   [&](const Deutung& d) {
                                       const auto ende = static_cast<int>(d.anfang + d.länge);
                                       return ende <= vorlauf ||
                                              static_cast<int>(d.anfang) >= zeilenende + 2;
                                   }),
                    deutungen.end());
    return deutungen;
}

QTextCharFormat deutungsformat(const Deutung& deutung) {
    QTextCharFormat format;
    switch (deutung.art) {
        case Deutungsart::Fett:
            format.setFontWeight(QFont::Bold);
            format.setForeground(QColor(0xB3, 0x59, 0x00));
            break;
        case Deutungsart::Farbe:
            if (deutung.farbe) {
                const QColor farbe = farbeVon(*deutung.farbe);
                format.setBackground(farbe);
                // The text stays readable on its own colour: dark on light colours.
                const int helligkeit =
                    (299 * farbe.red() + 587 * farbe.green() + 114 * farbe.blue()) / 1000;
                format.setForeground(helligkeit > 128 ? Qt::black : Qt::white);
            }
            break;
        case Deutungsart::Größe:
            format.setForeground(QColor(0x1A, 0x7F, 0x1A));
            break;
        case Deutungsart::X:
        case Deutungsart::Y:
            format.setForeground(QColor(0x8B, 0x00, 0x8B));
            break;
        case Deutungsart::Platzhalter:
            format.setForeground(QColor(0x00, 0x50, 0xC8));
            format.setFontWeight(QFont::Bold);
            break;
        case Deutungsart::Kleinbefehl:
            format.setUnderlineStyle(QTextCharFormat::DotLine);
            format.setUnderlineColor(QColor(0xC0, 0x80, 0x00));
            break;
    }
    if (deutung.fehlerhaft) {
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(Qt::red);
    }
    return format;
}

void Vorlagenfarben::highlightBlock(const QString& text) {
    int vorlauf = 0;
    const std::vector<Deutung> deutungen = zeilenDeutungen(currentBlock(), vorlauf);
    const int länge = static_cast<int>(text.size());
    for (const Deutung& d : deutungen) {
        const int anfang = std::max(static_cast<int>(d.anfang) - vorlauf, 0);
        const int ende = std::min(static_cast<int>(d.anfang + d.länge) - vorlauf, länge);
        if (ende > anfang) setFormat(anfang, ende - anfang, deutungsformat(d));
    }
    setCurrentBlockState(überhang(deutungen, vorlauf, länge + 2));
}

}  // namespace tafomat
