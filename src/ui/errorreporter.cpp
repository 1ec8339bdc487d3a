#include "ui/errorreporter.h"

#include <cxxabi.h>
#include <dlfcn.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

#include "runtime/exceptions.h"
#include "ui/errorbox.h"

namespace colmara {

namespace {

constexpr qsizetype kMaxApplicationErrorText = 1024;

struct CodeLocation {
    QString module;
    quintptr offset = 0;
};

// The file name of the module holding `address` and the address counted from
// that module's base.
CodeLocation LocateCode(const void* address) {
    CodeLocation location;
    Dl_info info{};
    if (dladdr(address, &info) != 0 && info.dli_fname != nullptr) {
        location.module = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName();
        location.offset =
            reinterpret_cast<quintptr>(address) - reinterpret_cast<quintptr>(info.dli_fbase);
    }
    if (location.module.isEmpty())
        location.module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return location;
}

// Readable name of the dynamic type of an exception that is not ours.
QString ForeignClassName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return QString::fromUtf8(status == 0 && demangled ? demangled.get() : type.name());
}

}  // namespace

QString ApplicationErrorText(const QString& className, const QString& moduleName, quintptr address,
                             const QString& message) {
    const QString period = (!message.isEmpty() && !message.endsWith(QLatin1Char('.')))
                               ? QStringLiteral(".")
                               : QString();
    const QString text =
        QStringLiteral("Exception %1 in module %2 at %3.\r\n%4%5\r\n")
            .arg(className, moduleName,
                 QStringLiteral("%1")
                     .arg(static_cast<qulonglong>(address), 16, 16, QLatin1Char('0'))
                     .toUpper(),
                 message, period);
    return text.left(kMaxApplicationErrorText);
}

void ErrorReporter::ReportCurrentException(Escaped where) noexcept {
    try {
        throw;
    } catch (const Exception& e) {
        if (where == Escaped::FromHandler)
            ReportException(e);
        else
            ReportApplicationError(QString::fromLatin1(e.ClassName()),
                                   QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        ReportApplicationError(ForeignClassName(typeid(e)), QString::fromUtf8(e.what()));
    } catch (...) {
        ReportApplicationError(QStringLiteral("unknown"), QString());
    }
}

void ErrorReporter::ReportException(const Exception& e) {
    // A pressed button or a drag in progress lets go of the mouse first.
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();

    const QPointer<QWidget> activeWindow = QApplication::activeWindow();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    try {
        ShowErrorBox(title_, QString::fromStdString(MessageWithPeriod(e.Message())));
    } catch (...) {
        // The box could not be shown; the windows are given back all the same.
    }
    if (activeWindow && activeWindow->isVisible()) activeWindow->activateWindow();
    if (focus && focus->isVisible()) focus->setFocus(Qt::OtherFocusReason);
}

void ErrorReporter::ReportApplicationError(const QString& className, const QString& message) {
    const CodeLocation where = LocateCode(__builtin_return_address(0));
    try {
        ShowErrorBox(QStringLiteral("Application Error"),
                     ApplicationErrorText(className, where.module, where.offset, message));
    } catch (...) {
        // Nothing more can be told.
    }
}

void ErrorReporter::ShowErrorBox(const QString& caption, const QString& text) {
    MakeErrorBox(caption, text)->exec();
}

}  // namespace colmara
