#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

class Verdrahtung : public Fenstertest {};

// A keystroke in the template or in an input field redraws once; a field that the program
// writes runs like a typed one, and the same text again is no change. The derived fields, the
// script and the quality never redraw. The scroll bars write their value into the title.
TEST_F(Verdrahtung, EveryChangeRedrawsExactlyOnce) {
    int vorher = neuzeichnungen();
    probe.setText(Feld::KiTxt, "10");
    probe.setText(Feld::KiTxt, "10");
    EXPECT_EQ(neuzeichnungen(), vorher + 1);
    EXPECT_EQ(probe.text(Feld::GZTxt), "58750");

    auto* txt = probe.finde<QPlainTextEdit>("Txt");
    vorher = neuzeichnungen();
    QTest::keyClick(txt, Qt::Key_A);
    EXPECT_EQ(neuzeichnungen(), vorher + 1);
    QTest::keyClick(txt, Qt::Key_Return);
    EXPECT_EQ(neuzeichnungen(), vorher + 2);
    EXPECT_EQ(probe.text(Feld::Txt), "a\r\n" + Startvorlage());
    for (const char* name : {"DaTxt", "AlTxt", "KiTxt", "AnTxt", "NeTxt", "StTxt"}) {
        vorher = neuzeichnungen();
        QTest::keyClicks(probe.finde<QLineEdit>(name), QStringLiteral("12"));
        EXPECT_EQ(neuzeichnungen(), vorher + 2) << name;
    }

    vorher = neuzeichnungen();
    for (const Feld feld : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt, Feld::QuTxt,
                            Feld::BildQuallität, Feld::HintergrundPfad}) {
        probe.setText(feld, "123");
        EXPECT_EQ(probe.text(feld), "123");
    }
    QTest::keyClicks(probe.finde<QLineEdit>("TaTxt"), QStringLiteral("4"));
    EXPECT_EQ(neuzeichnungen(), vorher);

    probe.fenster->felder().setWert(Feld::XPos, -12);
    EXPECT_EQ(probe.fenster->windowTitle(), QStringLiteral("-12"));
    EXPECT_EQ(neuzeichnungen(), vorher + 1);
    QTest::keyClick(probe.finde<QScrollBar>("YPos"), Qt::Key_Down);
    EXPECT_EQ(probe.fenster->windowTitle(), QStringLiteral("1"));
    EXPECT_EQ(neuzeichnungen(), vorher + 2);
    probe.fenster->felder().setWert(Feld::Abstand, 9);
    EXPECT_EQ(probe.fenster->windowTitle(), QStringLiteral("1"));
    EXPECT_EQ(neuzeichnungen(), vorher + 3);
}

// A picked size goes in at the template's selection, which stays in the text; the focus stays
// in the box. Typed text writes on every change; Return and leaving the box pick nothing. The
// arrow keys pick the next entry; the list opens at the size in force, also when the text
// carries blanks or a fraction, and its arrow keys go on from there.
TEST_F(Verdrahtung, TheSizeBoxWritesWhatIsPicked) {
    auto* größe = probe.finde<QComboBox>("SchriftGröße");
    auto* txt = probe.finde<QPlainTextEdit>("Txt");
    QTest::keyClick(größe, Qt::Key_Down);
    EXPECT_EQ(größe->currentText(), QStringLiteral("9"));
    EXPECT_EQ(probe.text(Feld::Txt), "#G09" + Startvorlage());
    QTest::keyClick(größe, Qt::Key_Up);
    EXPECT_EQ(größe->currentText(), QStringLiteral("8"));
    EXPECT_EQ(probe.text(Feld::Txt), "#G08#G09" + Startvorlage());

    probe.setText(Feld::Txt, "Zeile1\r\nHallo Welt");
    auswahlSetzen(*txt, {8, 5});
    größe->setFocus();
    wählen(größe, QStringLiteral("12"));
    EXPECT_EQ(größe->currentText(), QStringLiteral("12"));
    EXPECT_EQ(probe.text(Feld::Txt), "Zeile1\r\n#G12Hallo Welt");
    EXPECT_NE(probe.fenster->focusWidget(), txt);

    probe.setText(Feld::Txt, Startvorlage());
    größe->lineEdit()->selectAll();
    QTest::keyClicks(größe, QStringLiteral("14"));
    EXPECT_EQ(probe.text(Feld::Txt), "#G14#G01" + Startvorlage());
    QTest::keyClick(größe, Qt::Key_Return);
    probe.finde<QWidget>("DaTxt")->setFocus();
    EXPECT_EQ(probe.text(Feld::Txt), "#G14#G01" + Startvorlage());
    probe.setText(Feld::SchriftGröße, "");  // an emptied box writes too
    EXPECT_EQ(probe.text(Feld::Txt), "#G0#G14#G01" + Startvorlage());

    for (const auto& [text, markiert] : {std::pair{"12", "12"}, {" 8 ", "8"}, {"20,5", "20"}}) {
        SCOPED_TRACE(text);
        probe.setText(Feld::SchriftGröße, text);
        größe->showPopup();
        EXPECT_EQ(größe->view()->currentIndex().data().toString(), QString::fromLatin1(markiert));
        größe->hidePopup();
    }
    probe.setText(Feld::SchriftGröße, "12");
    größe->showPopup();
    for (int i = 0; i < 4; ++i) QTest::keyClick(größe->view(), Qt::Key_Up);
    QTest::keyClick(größe->view(), Qt::Key_Return);
    EXPECT_EQ(größe->currentText(), QStringLiteral("8"));
}

}  // namespace
}  // namespace tafomat::test
