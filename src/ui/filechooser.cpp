#include "ui/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace colmara {

namespace {

FileChooser& TestChooser() {
    static FileChooser chooser;
    return chooser;
}

// The folder of the last file chosen in this run, shared by both windows.
QString& LastFolder() {
    static QString folder;
    return folder;
}

FileChoice AskWithDialog(QWidget* parent, const FileRequest& request) {
    FileChoice choice;
    choice.filter = request.filters.value(0);
    const QString joined = request.filters.join(QStringLiteral(";;"));
    const QString start = LastFolder().isEmpty()
                              ? request.suggestedName
                              : QDir(LastFolder()).filePath(request.suggestedName);
    choice.path =
        request.open
            ? QFileDialog::getOpenFileName(parent, request.caption, start, joined, &choice.filter)
            : QFileDialog::getSaveFileName(parent, request.caption, start, joined, &choice.filter);
    return choice;
}

}  // namespace

FileChoice ChooseFile(QWidget* parent, const FileRequest& request) {
    const FileChoice choice =
        TestChooser() ? TestChooser()(request) : AskWithDialog(parent, request);
    if (!choice.path.isEmpty()) LastFolder() = QFileInfo(choice.path).absolutePath();
    return choice;
}

void SetFileChooser(FileChooser chooser) {
    TestChooser() = std::move(chooser);
}

QString FilterSuffix(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0) return {};
    return filter.mid(star + 2, filter.indexOf(')', star) - star - 2);
}

QString WithSuffix(const QString& path, const QString& filter) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    return path + '.' + FilterSuffix(filter);
}

QString FilterForPath(const QString& path, const QString& chosen, const QStringList& filters) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (filters.contains(chosen) && (suffix.isEmpty() || FilterSuffix(chosen) == suffix))
        return chosen;
    if (suffix.isEmpty()) return filters.value(0);
    for (const QString& filter : filters)
        if (FilterSuffix(filter) == suffix) return filter;
    return {};
}

QString SuffixRefusal(const QString& path, const QStringList& filters) {
    QStringList kinds;
    for (const QString& filter : filters) kinds << FilterSuffix(filter).toUpper();
    const QString last = kinds.takeLast();
    const QString offered =
        kinds.isEmpty() ? last : kinds.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    return QStringLiteral("Nothing saved: this writes %1, not .%2.")
        .arg(offered, QFileInfo(path).suffix());
}

}  // namespace colmara
