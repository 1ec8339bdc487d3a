// The windows' one way of writing a file: whole or not at all, through
// QSaveFile. Written unbuffered, so that a full disk shows at the write that
// met it rather than at a flush whose failure the commit would not report.
#pragma once

#include <QByteArray>
#include <QString>

namespace colmara {

// Writes `bytes` to `path`; the old file stays as it was when anything
// fails. Throws FileError with the reason ("No space left on device").
void SaveWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace colmara
