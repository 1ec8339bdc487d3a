#include "ui/errorbox.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBoundaryFinder>

#include "ui/fonts.h"

namespace colmara {

namespace {

constexpr QChar kBreakChance(0x200B);
// The widest a message box lets its text grow before it wraps it.
constexpr int kMaxSoftWidth = 500;

// Box texts may end their lines in CR LF; the label wants LF alone.
QString ForDisplay(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A break chance between every two characters (grapheme clusters, so a
// character outside the basic plane or with its accents stays whole).
QString Breakable(const QString& run) {
    QString out;
    out.reserve(run.size() * 2);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, run);
    qsizetype from = 0;
    for (qsizetype to = graphemes.toNextBoundary(); to > 0; to = graphemes.toNextBoundary()) {
        if (from > 0) out += kBreakChance;
        out += QStringView(run).sliced(from, to - from);
        from = to;
    }
    return out;
}

QSize AvailableSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().size() : QSize();
}

int SoftWidth() {
    const int available = AvailableSize().width();
    return available > 0 ? std::min(available / 2, kMaxSoftWidth) : kMaxSoftWidth;
}

// The height of `text` wrapped at `width`, reckoned from line widths alone
// (laying out a pasted page of text would keep the user waiting).
qint64 WrappedHeight(const QString& text, const QFontMetrics& metrics, int width) {
    qint64 rows = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        rows += 1 + metrics.horizontalAdvance(line) / std::max(width, 1);
    return rows * metrics.lineSpacing();
}

// A text taller than half the screen scrolls in the label's place, so the box
// and its OK button stay on the screen. It breaks anywhere: word breaking
// across a pasted page of text would keep the user waiting for the box.
void ScrollInsteadOfLabel(QMessageBox& box, const QString& text, QSize size) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr || box.layout() == nullptr) return;
    auto* scroll = new QPlainTextEdit(text, &box);
    scroll->setObjectName(QStringLiteral("MessageScroll"));
    scroll->setReadOnly(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWordWrapMode(QTextOption::WrapAnywhere);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumSize(size);
    delete box.layout()->replaceWidget(label, scroll);
    label->hide();
}

}  // namespace

QString WithBreakChances(const QString& text, const QFontMetrics& metrics, int width) {
    QString out;
    out.reserve(text.size());
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        const bool blank = text[start].isSpace();
        while (end < text.size() && text[end].isSpace() == blank) ++end;
        const QString run = text.mid(start, end - start);
        out += (!blank && metrics.horizontalAdvance(run) > width) ? Breakable(run) : run;
        start = end;
    }
    return out;
}

std::unique_ptr<QMessageBox> MakeErrorBox(const QString& caption, const QString& text) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, caption, QString(), QMessageBox::Ok);
    box->setFont(FormFont());
    // The message quotes what the user typed; it is never read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    const QString shown = ForDisplay(text);
    const QFontMetrics metrics(box->font());
    const int tallest = AvailableSize().height() / 2;
    if (tallest > 0 && WrappedHeight(shown, metrics, SoftWidth()) > tallest) {
        ScrollInsteadOfLabel(*box, shown, QSize(SoftWidth(), tallest));
    } else {
        box->setText(WithBreakChances(shown, metrics, SoftWidth()));
    }
    return box;
}

}  // namespace colmara
