// Where the windows' files go: one file dialog for both windows, which starts
// in the folder used last and hands back the filter chosen, and one seam
// through which tests answer instead of a dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace colmara {

struct FileRequest {
    bool open = false;  // open an existing file, else save
    QString caption;
    QString suggestedName;  // a save's file name, placed in the last folder
    QStringList filters;    // "PNG image (*.png)", the first chosen at start
};

// What was answered: the path (empty: cancelled) and the filter chosen.
struct FileChoice {
    QString path;
    QString filter;
};

using FileChooser = std::function<FileChoice(const FileRequest&)>;

// Asks the user, or the chooser a test set.
FileChoice ChooseFile(QWidget* parent, const FileRequest& request);
// Replaces the dialog for the whole program; an empty chooser restores it.
void SetFileChooser(FileChooser chooser);

// The suffix a filter names ("png" of "PNG image (*.png)").
QString FilterSuffix(const QString& filter);
// The path with the filter's suffix added when it has none of its own.
QString WithSuffix(const QString& path, const QString& filter);

// The filter a file is written with: the one its typed suffix names (a user
// who types "table.csv" wants CSV; of two such, the chosen one), the chosen
// one when no suffix is typed,
// or the empty text when the typed suffix is none on offer: nothing may be
// written in a format other than its name says.
QString FilterForPath(const QString& path, const QString& chosen, const QStringList& filters);
// "Nothing saved: this writes PNG or SVG, not .jpg." for such a path.
QString SuffixRefusal(const QString& path, const QStringList& filters);

}  // namespace colmara
