#include "ui/form3.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "ui/recordingreporter.h"

namespace colmara {
namespace {

using test::RecordingReporter;

// The information text, line by line; every blank counts.
constexpr const char* kInformation[] = {
    "What does this program do?",
    "",
    "It calculates the strength of ethanol and ",
    "some other data on each plate in a ",
    "distillation column based on the data ",
    "entered.",
    "",
    "The purpose is to get an understanding how ",
    "reflux ratio and column height are ",
    "interconnected.",
    "",
    "",
    "How do I use it?",
    "",
    "Play around with the different settings on ",
    "power strength and so on to see what will ",
    "happen in the still. It’ll give you an idea how ",
    "a still behave.The data isn’t 100% accurate, ",
    "but is good enough for educational purpose.",
    "Please be aware that the program uses ",
    "theoretical",
    "plates, that is, plates that have 100%",
    "efficiency, can handle any power, the",
    "column have zero heat loss and so on. In",
    "real life the number of",
    "plates changes when heat is increased for",
    "instance.",
    "",
    "The strength is in ABW (alcohol by weight)",
    "",
    "",
    "How does it calculate strength and other",
    "data?",
    "",
    "First it calculates how much vapour that is",
    "released from the boiler per hour based on",
    "strength in boiler, power, and heat of",
    "vaporization of ethanol and water at that",
    "temperature.",
    "",
    "Then it guesses strength in the condenser.",
    "Based on that it can calculate the amount",
    "leaving the still per hour. With condenser",
    "and boiler known it calculate strength on first",
    "plate, and the second and so on. When it",
    "reaches the top it compares the calculated",
    "value with the guessed value. Makes a",
    "better guess",
    "and calculate everything again. It does this",
    "100 times and gets a very good precision ",
    "about",
    "the top strength.",
    "",
    "Mass flow and energy is precise. I’m not sure",
    "what this technique is called but it is a",
    "common way for numerical calculation",
    "suitable for computer programs.",
    "",
    "The presented data is rounded to nearest",
    "hundredth of a percentage. So if the",
    "percentage seems to be stable almost all the",
    "way up to the top but the top plates show",
    "stronger percentage it actually mean that the",
    "strength increase so very little at the bottom ",
    "plates",
    "that it is rounded off.",
    "",
    "",
    "Simplifications used:",
    "",
    "Temperature is considered constant in the",
    "still. Heat of vaporization for the mixture is",
    "calculated  for ethanol and waters single",
    "properties data.",
    "",
    "",
    "Other sources of error:",
    "",
    "The liquid-vapour diagram is based on",
    "Perry’s table values and that have been",
    "converted to three different polynomials, one",
    "for low strength, middle, and a high. But the ",
    "graph",
    "isn’t 100% accurate anyway.",
    "",
    "The temperature presented isn’t can differ",
    "quite much from real life.",
    "",
    "This program is a beta; I have no restrictions",
    "in the input values, so if you enter 0 in power",
    "you get division by zero for instance. Do not",
    "use more than 100 plates, I haven’t",
    "allocated for more than 100 plates in ",
    "memory.",
    "",
    "",
    "",
    "",
};

TEST(Form3, IsAFixedInformationWindowAt396x72) {
    RecordingReporter reporter;
    TForm3 form(reporter);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(form.size(), QSize(269, 440));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.pos(), QPoint(396, 72));
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose));

    EXPECT_EQ(form.Label1->objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(form.Label1->geometry(), QRect(70, 8, 128, 17));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Colmara information"));
    EXPECT_EQ(form.Memo1->objectName(), QStringLiteral("Memo1"));
    EXPECT_EQ(form.Memo1->geometry(), QRect(17, 32, 234, 369));
    EXPECT_TRUE(form.Memo1->isReadOnly());
    EXPECT_EQ(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.Button1->objectName(), QStringLiteral("Button1"));
    EXPECT_EQ(form.Button1->geometry(), QRect(97, 408, 75, 25));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Close"));
}

TEST(Form3, HoldsThe98LinesExactly) {
    RecordingReporter reporter;
    TForm3 form(reporter);
    const QTextDocument* document = form.Memo1->document();
    ASSERT_EQ(document->blockCount(), 98);
    int line = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next(), ++line)
        EXPECT_EQ(block.text(), QString::fromUtf8(kInformation[line])) << "line " << line + 1;
    EXPECT_EQ(document->toPlainText().count(QChar(0x2019)), 7);
}

TEST(Form3, EveryLineOfTheTextStaysOnOneRow) {
    RecordingReporter reporter;
    TForm3 form(reporter);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QTextDocument* document = form.Memo1->document();
    const qreal room = form.Memo1->viewport()->width() - 2 * document->documentMargin();
    const QFontMetricsF metrics(form.Memo1->font());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // Trailing blanks never push a word onto the next row.
        QString text = block.text();
        while (text.endsWith(QLatin1Char(' '))) text.chop(1);
        EXPECT_LE(metrics.horizontalAdvance(text), room) << text.toStdString();
    }
}

TEST(Form3, TheTextCanBeSelectedButNotChanged) {
    RecordingReporter reporter;
    TForm3 form(reporter);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Memo1->setFocus();
    QTest::keyClicks(form.Memo1, QStringLiteral("typed"));
    QTest::keyClick(form.Memo1, Qt::Key_Delete);
    EXPECT_EQ(form.Memo1->document()->begin().text(), QStringLiteral("What does this program do?"));
    form.Memo1->selectAll();
    EXPECT_FALSE(form.Memo1->textCursor().selectedText().isEmpty());
}

TEST(Form3, CloseHasTheFocusAndTabGoesToTheText) {
    RecordingReporter reporter;
    TForm3 form(reporter);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.Button1);
    QTest::keyClick(form.Button1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Memo1);
    QTest::keyClick(form.Memo1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Button1);

    // Shown again after the text had the focus, "Close" has it once more.
    form.Memo1->setFocus();
    form.hide();
    form.show();
    EXPECT_EQ(form.focusWidget(), form.Button1);
}

TEST(Form3, CloseAndTheTitleBarCloseHideItAndItReappearsWhereItWas) {
    RecordingReporter reporter;
    TForm3 form(reporter);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());

    form.show();
    form.move(420, 90);
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), QPoint(420, 90));
    EXPECT_EQ(form.Memo1->document()->blockCount(), 98);
    EXPECT_TRUE(reporter.boxes.empty());
}

}  // namespace
}  // namespace colmara
