#include "ui/FensterFelder.h"

#include <QTextDocument>

#include "platform/QtText.h"

namespace tafomat {

std::string mehrzeilenText(const QPlainTextEdit& feld) {
    // The raw text keeps no-break spaces, which toPlainText() would turn into blanks.
    QString text = feld.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return toCp1252(text);
}

void mehrzeilenTextSetzen(QPlainTextEdit& feld, const std::string& text) {
    if (mehrzeilenText(feld) == text) return;
    // A CR LF, a lone CR and a lone LF each start a new line.
    feld.setPlainText(toQString(text));
}

FensterFelder::FensterFelder(const Steuerelemente& steuerelemente)
    : m_s(steuerelemente),
      m_hintergrundPfad(startText(Feld::HintergrundPfad)),
      m_hintergrundName(startText(Feld::HintergrundName)) {}

std::string FensterFelder::text(Feld feld) const {
    if (feld == Feld::HintergrundPfad) return m_hintergrundPfad;
    if (feld == Feld::HintergrundName) return m_hintergrundName;
    if (const QLineEdit* zeile = m_s.zeilenfeld(feld)) return toCp1252(zeile->text());
    if (const QPlainTextEdit* mehrzeilig = m_s.textfeld(feld)) return mehrzeilenText(*mehrzeilig);
    if (const Eingabeliste* liste = m_s.liste(feld)) return toCp1252(liste->currentText());
    return std::to_string(wert(feld));
}

void FensterFelder::setText(Feld feld, const std::string& text) {
    if (feld == Feld::HintergrundPfad) {
        m_hintergrundPfad = text;
    } else if (feld == Feld::HintergrundName) {
        m_hintergrundName = text;
    } else if (QLineEdit* zeile = m_s.zeilenfeld(feld)) {
        zeile->setText(toQString(text));
    } else if (QPlainTextEdit* mehrzeilig = m_s.textfeld(feld)) {
        mehrzeilenTextSetzen(*mehrzeilig, text);
    } else if (Eingabeliste* liste = m_s.liste(feld)) {
        liste->setTextShownFromStart(toQString(text));
    }
}

int FensterFelder::wert(Feld regler) const {
    const QScrollBar* bar = m_s.regler(regler);
    return bar ? bar->value() : 0;
}

void FensterFelder::setWert(Feld regler, int wert) {
    if (QScrollBar* bar = m_s.regler(regler)) bar->setValue(wert);
}

}  // namespace tafomat
