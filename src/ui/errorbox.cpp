#include "ui/errorbox.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
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

int SoftWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int available = screen != nullptr ? screen->availableGeometry().width() : 0;
    return available > 0 ? std::min(available / 2, kMaxSoftWidth) : kMaxSoftWidth;
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
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, caption, QString(),
                                             QMessageBox::Ok);
    box->setFont(FormFont());
    // The message quotes what the user typed; it is never read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(WithBreakChances(ForDisplay(text), QFontMetrics(box->font()), SoftWidth()));
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

}  // namespace colmara
