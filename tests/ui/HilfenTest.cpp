#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>

#include <gtest/gtest.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

class Hilfen : public Fenstertest {
  public:
    void SetUp() override {
        Fenstertest::SetUp();
        txt = probe.finde<QPlainTextEdit>("Txt");
    }
    void vorlage(const std::string& text, Vorlagenauswahl auswahl) {
        probe.setText(Feld::Txt, text);
        auswahlSetzen(*txt, auswahl);
    }
    Vorlagenauswahl auswahl() const { return auswahlLesen(*txt); }
    QString markiert() const { return txt->textCursor().selectedText(); }
    void fett() { klicken("Fett"); }
    void palette(Qt::MouseButton taste, int x, int y) {
        mausDrücken(probe.finde<QWidget>("PicFa"), taste, QPointF(x, y));
    }
    void weiß() { palette(Qt::LeftButton, 127, 31); }
    void größe12() { probe.setText(Feld::SchriftGröße, "12"); }
    void ziehen(Qt::MouseButtons tasten, double x, double y) {
        mausBewegen(probe.finde<QWidget>("Pic"), tasten, QPointF(x, y));
    }
    // Pressed at one place, moved over three.
    void ziehenÜberDrei() {
        mausDrücken(probe.finde<QWidget>("Pic"), Qt::LeftButton, QPointF(44, 12));
        for (int x : {45, 46, 47}) ziehen(Qt::LeftButton, x, 14);
    }

    QPlainTextEdit* txt = nullptr;
};

// A palette cell writes its colour wherever it is hit, and only for the left button; the
// preview writes a place only while a button is held, then one pair that the next movement
// replaces.
TEST_F(Hilfen, ThePaletteAndDraggingOverThePreviewWriteTheirCommand) {
    const std::pair<QPoint, const char*> fälle[] = {
        {{0, 0}, "#F000000000"}, {{15, 3}, "#F255255255"}, {{5, 1}, "#F085085085"},
        {{2, 2}, "#F170000170"}, {{3, 0}, "#F255000000"},  {{12, 0}, "#F000255000"}};
    for (const auto& [zelle, befehl] : fälle) {
        for (const QPoint ecke : {QPoint(0, 0), QPoint(7, 7), QPoint(3, 6)}) {
            SCOPED_TRACE(befehl);
            vorlage("ab", {1, 0});
            palette(Qt::LeftButton, 8 * zelle.x() + ecke.x(), 8 * zelle.y() + ecke.y());
            EXPECT_EQ(probe.text(Feld::Txt), std::string("a") + befehl + "b");
            EXPECT_EQ(markiert(), QString::fromLatin1(befehl));
        }
    }

    vorlage("Zeile1\r\nab", {9, 0});
    int vorher = neuzeichnungen();
    palette(Qt::RightButton, 10, 10);
    palette(Qt::MiddleButton, 10, 10);
    ziehen(Qt::NoButton, 45, 12);
    EXPECT_EQ(probe.text(Feld::Txt), "Zeile1\r\nab");
    EXPECT_EQ(neuzeichnungen(), vorher);

    mausDrücken(probe.finde<QWidget>("Pic"), Qt::LeftButton, QPointF(44, 12));
    vorher = neuzeichnungen();
    ziehen(Qt::LeftButton, 45, 12);
    EXPECT_EQ(probe.text(Feld::Txt), "Zeile1\r\na#X045#Y012b");
    EXPECT_EQ(markiert(), QStringLiteral("#X045#Y012"));
    EXPECT_EQ(neuzeichnungen(), vorher + 2);
    ziehen(Qt::LeftButton, 46, 12);
    EXPECT_EQ(probe.text(Feld::Txt), "Zeile1\r\na#X046#Y012b");
    ziehen(Qt::RightButton, -3, 12);  // outside, left of the preview, any button
    EXPECT_EQ(probe.text(Feld::Txt), "Zeile1\r\na#X003#Y012b");
    ziehen(Qt::LeftButton, 460, -7.0);
    EXPECT_EQ(probe.text(Feld::Txt), "Zeile1\r\na#X460#Y007b");
    EXPECT_EQ(auswahl(), (Vorlagenauswahl{9, 10}));
}

// Each use of an aid is one undo step, a drag from press to release too: undoing it brings
// back the template and the selection before it, the typing before it stays undoable, and
// redoing brings back the aid's command with its selection. Every undo or redo redraws once.
// "Fett" gives the focus back to the template.
TEST_F(Hilfen, EveryAidIsOneUndoStep) {
    // The selection before, the aid, its redraws, the template and the selection after.
    const std::tuple<const char*, Vorlagenauswahl, void (Hilfen::*)(), int, std::string,
                     Vorlagenauswahl>
        fälle[] = {
            {"Fett", {5, 0}, &Hilfen::fett, 2, "Hallo#B Weltxy", {5, 2}},
            {"Fett um ein Wort", {0, 6}, &Hilfen::fett, 2, "#BHallo #BWeltxy", {2, 6}},
            {"Farbe", {6, 4}, &Hilfen::weiß, 1, "Hallo #F255255255Weltxy", {6, 11}},
            {"Größe", {6, 4}, &Hilfen::größe12, 2, "Hallo #G12Weltxy", {0, 0}},
            {"Ziehen", {6, 4}, &Hilfen::ziehenÜberDrei, 6, "Hallo #X047#Y014Weltxy", {6, 10}},
        };
    for (const auto& [name, davor, hilfe, zeichnungen, ergebnis, danach] : fälle) {
        SCOPED_TRACE(name);
        vorlage("Hallo Welt", {10, 0});
        QTest::keyClicks(txt, QStringLiteral("xy"));
        auswahlSetzen(*txt, davor);
        probe.finde<QWidget>("DaTxt")->setFocus();
        int vorher = neuzeichnungen();
        (this->*hilfe)();
        EXPECT_EQ(neuzeichnungen(), vorher + zeichnungen);
        ASSERT_EQ(probe.text(Feld::Txt), ergebnis);
        EXPECT_EQ(auswahl(), danach);
        if (hilfe == &Hilfen::fett) {
            EXPECT_EQ(probe.fenster->focusWidget(), txt);
        }

        vorher = neuzeichnungen();
        QTest::keyClick(txt, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(probe.text(Feld::Txt), "Hallo Weltxy");
        EXPECT_EQ(auswahl(), davor);
        QTest::keyClick(txt, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(probe.text(Feld::Txt), "Hallo Welt");
        QTest::keyClick(txt, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(txt, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(probe.text(Feld::Txt), ergebnis);
        EXPECT_EQ(auswahl(), danach);
        EXPECT_EQ(neuzeichnungen(), vorher + 4);
    }
}

// The field shows what the reader that draws the preview reads: the malformed colour wavy and
// named by its line in the notice line, a size in its colour, a lower-case letter dotted; the
// command at the caret and under the pointer explained in one line.
TEST_F(Hilfen, TheTemplateFieldExplainsItselfAndInsertsAPlaceholder) {
    probe.setText(Feld::Txt, "Hallo #F2552550Das\r\n#G14x #b");
    const auto formate = [&](int zeile) {
        return txt->document()->findBlockByNumber(zeile).layout()->formats();
    };
    const auto format = [&](int zeile, int anfang, int länge) -> QTextCharFormat {
        for (const QTextLayout::FormatRange& bereich : formate(zeile))
            if (bereich.start == anfang && bereich.length == länge) return bereich.format;
        ADD_FAILURE() << "no format at " << zeile << ":" << anfang << "+" << länge;
        return {};
    };
    EXPECT_EQ(format(0, 6, 11).underlineStyle(), QTextCharFormat::WaveUnderline);
    EXPECT_EQ(format(0, 6, 11).background().color(), QColor(255, 255, 0));
    EXPECT_EQ(format(1, 0, 4).underlineStyle(), QTextCharFormat::NoUnderline);
    EXPECT_NE(format(1, 0, 4).foreground().color(), format(1, 6, 2).foreground().color());
    EXPECT_EQ(format(1, 6, 2).underlineStyle(), QTextCharFormat::DotLine);
    EXPECT_EQ(formate(0).size(), 1);
    EXPECT_EQ(formate(1).size(), 2);
    const QString falsch = QStringLiteral("#F2552550Da: Farbe 255, 255, 0 – „Da“ gehört zur Farbe");
    EXPECT_EQ(probe.hinweis(), QStringLiteral("Zeile 1: ") + falsch);

    const QString größe = QStringLiteral("#G14: Schriftgröße 14 Punkt ab hier");
    auswahlSetzen(*txt, {21, 0});
    EXPECT_TRUE(probe.finde<QWidget>("Hinweis")->toolTip().endsWith(größe));
    probe.setText(Feld::Txt, "Hallo #F255255000Das\r\n#G14x #b");
    auswahlSetzen(*txt, {26, 0});  // right after the command
    EXPECT_EQ(probe.hinweis(), größe);
    auswahlSetzen(*txt, {2, 0});
    EXPECT_EQ(probe.hinweis(), QString());

    QTextCursor zeiger(txt->document());
    zeiger.setPosition(8);
    const QPoint ort = txt->cursorRect(zeiger).center();
    QHelpEvent hilfe(QEvent::ToolTip, ort, txt->viewport()->mapToGlobal(ort));
    QApplication::sendEvent(txt->viewport(), &hilfe);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("#F255255000: Farbe 255, 255, 0 ab hier"));
    QToolTip::hideText();

    // "Platzhalter einfügen" writes what the window's labels name, at the caret, as one undo step.
    vorlage("Hallo Welt", {6, 4});
    QContextMenuEvent menüruf(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              txt->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(txt, &menüruf);
    QMenu* menü = nullptr;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMenu*>(fenster); m && m->isVisible()) menü = m;
    ASSERT_NE(menü, nullptr);
    auto* platzhalter = menü->findChild<QMenu*>(QStringLiteral("PlatzhalterEinfügen"));
    ASSERT_NE(platzhalter, nullptr);
    EXPECT_EQ(platzhalter->title(), QStringLiteral("Platzhalter einfügen"));
    QStringList namen;
    for (QAction* eintrag : platzhalter->actions()) namen.append(eintrag->text());
    EXPECT_EQ(namen.size(), 13);
    EXPECT_EQ(namen.at(1), QStringLiteral("#2 Tage bis Heute"));
    EXPECT_EQ(namen.at(9), QStringLiteral("#Z Gesammte Zigaretten"));
    platzhalter->actions().at(1)->trigger();
    menü->close();
    EXPECT_EQ(probe.text(Feld::Txt), "Hallo #2Welt");
    EXPECT_EQ(auswahl(), (Vorlagenauswahl{8, 0}));
    QTest::keyClick(txt, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(probe.text(Feld::Txt), "Hallo Welt");
}

const QString Delta = QString(QChar(0x0394));

// Characters outside Windows-1252 stay out, typed or pasted; no blank is lost.
TEST_F(Hilfen, CharactersOutsideWindows1252StayOutBlanksStay) {
    probe.setText(Feld::Txt, "");
    const int vorher = probe.neuzeichnungen;
    tippen(txt, QStringLiteral("a") + Delta + QStringLiteral("€"));
    EXPECT_EQ(probe.text(Feld::Txt), "a\x80");
    EXPECT_EQ(probe.neuzeichnungen, vorher + 2);

    QApplication::clipboard()->setText(QStringLiteral("x") + Delta + QStringLiteral("ü"));
    txt->paste();
    EXPECT_EQ(probe.text(Feld::Txt), "a\x80x\xFC");

    auto* datum = probe.finde<QLineEdit>("DaTxt");
    datum->clear();
    tippen(datum, QStringLiteral("1") + Delta + QStringLiteral("2"));
    EXPECT_EQ(datum->text(), QStringLiteral("12"));
    datum->paste();
    EXPECT_EQ(datum->text(), QStringLiteral("12xü"));

    const std::string blanks =
        "a\xA0"
        "b\tc\r\n\xA0\r\n";
    probe.setText(Feld::Txt, blanks);
    EXPECT_EQ(probe.text(Feld::Txt), blanks);
}

// "ab", CR LF, "cd", CR LF, CR LF, "ef": the widget counts each line break as one character.
TEST_F(Hilfen, SelectionCountsLineBreaksTwice) {
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
