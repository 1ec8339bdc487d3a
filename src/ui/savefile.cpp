#include "ui/savefile.h"

#include <QSaveFile>

#include "runtime/fileerror.h"

namespace colmara {

namespace {

[[noreturn]] void Fail(QSaveFile& file) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw FileError(reason.toStdString());
}

}  // namespace

void SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Fail(file);
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) Fail(file);
    if (!file.commit()) throw FileError(file.errorString().toStdString());
}

}  // namespace colmara
