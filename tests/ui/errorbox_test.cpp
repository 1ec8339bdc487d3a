#include "ui/errorbox.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "ui/fonts.h"

namespace colmara {
namespace {

constexpr QChar kChance(0x200B);

QString Chances(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > 0 && !text[i].isLowSurrogate()) out += kChance;
        out += text[i];
    }
    return out;
}

TEST(WithBreakChances, BreaksOnlyTheRunsWiderThanTheWidth) {
    const QFontMetrics metrics(FormFont());
    const QString wide(40, QLatin1Char('7'));  // wider than 100 pixels
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8D\xBA");
    const struct {
        const char* what;
        QString text;
        QString broken;
    } cases[] = {
        {"short words", QStringLiteral("'abc' is not a valid integer value."),
         QStringLiteral("'abc' is not a valid integer value.")},
        {"empty", QString(), QString()},
        {"a wide run among short words", QStringLiteral("'%1' is not\nvalid.").arg(wide),
         QStringLiteral("%1 is not\nvalid.").arg(Chances(QLatin1Char('\'') + wide + '\''))},
        {"two wide runs across a line end", wide + QLatin1Char('\n') + wide,
         Chances(wide) + QLatin1Char('\n') + Chances(wide)},
        {"a character outside the basic plane stays whole", wide + emoji, Chances(wide + emoji)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithBreakChances(c.text, metrics, 100), c.broken) << c.what;
}

// The label of a shown box and its text as the user reads it.
struct ShownBox {
    std::unique_ptr<QMessageBox> box;
    QLabel* label = nullptr;

    explicit ShownBox(const QString& text) : box(MakeErrorBox(QStringLiteral("Colmara"), text)) {
        box->setWindowModality(Qt::NonModal);
        box->show();
        label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    }
    QString ShownText() const { return label->text().remove(kChance); }
};

TEST(ErrorBox, UsesTheFormFontAndShowsShortMessagesAsTheyAre) {
    ShownBox shown(QStringLiteral("'abc' is not a valid integer value.\r\n"));
    ASSERT_NE(shown.label, nullptr);
    EXPECT_EQ(shown.label->font(), FormFont());
    EXPECT_EQ(shown.label->text(), QStringLiteral("'abc' is not a valid integer value.\n"));
}

TEST(ErrorBox, WrapsALongTextWithoutBlanksInsideTheScreen) {
    const QString typed = QString(1000, QLatin1Char('8')) + QString::fromUtf8("\xF0\x9F\x8D\xBA");
    const QString message = QStringLiteral("'%1' is not a valid integer value.").arg(typed);
    ShownBox shown(message);
    ASSERT_NE(shown.label, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown.box.get()));
    EXPECT_EQ(shown.ShownText(), message);
    EXPECT_LE(shown.box->width(), shown.box->screen()->availableGeometry().width());
    // Every wrapped line lies inside the label.
    const QRect lines = shown.label->fontMetrics().boundingRect(
        QRect(0, 0, shown.label->width(), 1 << 20), Qt::TextWordWrap, shown.label->text());
    EXPECT_LE(lines.width(), shown.label->width());
    EXPECT_LE(lines.height(), shown.label->height());
    EXPECT_GT(lines.height(), 10 * shown.label->fontMetrics().height());
}

TEST(ErrorBox, ATextTallerThanHalfTheScreenScrollsInsideTheBox) {
    const QString typed = QString(100000, QLatin1Char('5'));
    const QString message = QStringLiteral("'%1' is not a valid integer value.").arg(typed);
    ShownBox shown(message);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown.box.get()));
    const QRect screen = shown.box->screen()->availableGeometry();
    EXPECT_LE(shown.box->frameGeometry().height(), screen.height());
    EXPECT_LE(shown.box->width(), screen.width());
    auto* scroll = shown.box->findChild<QPlainTextEdit*>(QStringLiteral("MessageScroll"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(shown.label->isVisible());
    EXPECT_EQ(scroll->toPlainText(), message);
    EXPECT_GE(scroll->height(), screen.height() / 2);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    // A short text needs no scrolling.
    ShownBox small(QStringLiteral("Floating point overflow."));
    EXPECT_EQ(small.box->findChild<QPlainTextEdit*>(), nullptr);
}

}  // namespace
}  // namespace colmara
