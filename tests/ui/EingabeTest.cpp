#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

const QString Delta = QString(QChar(0x0394));

class Eingabe : public Fenstertest {};

TEST_F(Eingabe, CharactersOutsideWindows1252StayOut) {
    auto* txt = probe.finde<QPlainTextEdit>("Txt");
    probe.setText(Feld::Txt, "");
    const int vorher = probe.fenster->neuzeichnungen();
    tippen(txt, QStringLiteral("a") + Delta + QStringLiteral("€"));
    EXPECT_EQ(probe.text(Feld::Txt), "a\x80");
    EXPECT_EQ(probe.fenster->neuzeichnungen(), vorher + 2);

    QApplication::clipboard()->setText(QStringLiteral("x") + Delta + QStringLiteral("ü"));
    txt->paste();
    EXPECT_EQ(probe.text(Feld::Txt), "a\x80x\xFC");

    auto* datum = probe.finde<QLineEdit>("DaTxt");
    datum->clear();
    tippen(datum, QStringLiteral("1") + Delta + QStringLiteral("2"));
    EXPECT_EQ(datum->text(), QStringLiteral("12"));
    datum->paste();
    EXPECT_EQ(datum->text(), QStringLiteral("12xü"));
}

TEST_F(Eingabe, NoBlankIsLost) {
    const std::string text =
        "a\xA0"
        "b\tc\r\n\xA0\r\n";
    probe.setText(Feld::Txt, text);
    EXPECT_EQ(probe.text(Feld::Txt), text);
}

// "ab", CR LF, "cd", CR LF, CR LF, "ef": the widget counts each line break as one character.
TEST_F(Eingabe, SelectionCountsLineBreaksTwice) {
    QPlainTextEdit feld;
    feld.setPlainText(QStringLiteral("ab\ncd\n\nef"));
    const QTextDocument& dokument = *feld.document();
    const std::pair<int, int> paare[] = {{0, 0}, {2, 2},  {3, 4},  {5, 6},
                                         {6, 8}, {7, 10}, {8, 11}, {9, 12}};
    for (const auto& [widget, vorlage] : paare) {
        SCOPED_TRACE(widget);
        EXPECT_EQ(vorlagenPosition(dokument, widget), vorlage);
        EXPECT_EQ(feldPosition(dokument, vorlage), widget);
    }
    EXPECT_EQ(feldPosition(dokument, 3), 2);   // between CR and LF: the end of the line
    EXPECT_EQ(feldPosition(dokument, 99), 9);  // beyond the end: the end

    auswahlSetzen(feld, {4, 6});  // "cd", CR LF, CR LF
    EXPECT_EQ(feld.textCursor().selectedText(),
              QStringLiteral("cd") + QChar::ParagraphSeparator + QChar::ParagraphSeparator);
    EXPECT_EQ(auswahlLesen(feld), (Vorlagenauswahl{4, 6}));

    QTextCursor rückwärts(feld.document());  // selected from right to left
    rückwärts.setPosition(8);
    rückwärts.setPosition(4, QTextCursor::KeepAnchor);
    feld.setTextCursor(rückwärts);
    EXPECT_EQ(auswahlLesen(feld), (Vorlagenauswahl{5, 6}));
}

}  // namespace
}  // namespace tafomat::test
