// The application's reporting of exceptions that escape an event handler: the
// error box, modal to the whole program, after which the program goes on.
#pragma once

#include <QString>
#include <exception>
#include <string>
#include <typeinfo>

#include "runtime/exceptions.h"

namespace colmara {

// The text of the "Application Error" box: class name, module file name, code
// address counted from the module's base, the message and a closing '.' when
// it lacks one, each of the two lines ended by CR LF; cut at 1024 characters.
QString ApplicationErrorText(const QString& className, const QString& moduleName, quintptr address,
                             const QString& message);

// Readable name of the dynamic type of an exception that is not ours.
QString ForeignClassName(const std::type_info& type);

class ErrorReporter {
  public:
    explicit ErrorReporter(QString title) : title_(std::move(title)) {}
    virtual ~ErrorReporter() = default;
    ErrorReporter(const ErrorReporter&) = delete;
    ErrorReporter& operator=(const ErrorReporter&) = delete;

    // The application title: the caption of every error box.
    const QString& Title() const { return title_; }

    // Runs one event handler. An exception escaping it is shown here and ends
    // the handler; nothing unwinds into Qt's event dispatch.
    template <typename Handler>
    void Guard(Handler&& handler) noexcept {
        try {
            handler();
        } catch (const Exception& e) {
            ReportException(e);
        } catch (const std::exception& e) {
            ReportApplicationError(ForeignClassName(typeid(e)), QString::fromUtf8(e.what()));
        } catch (...) {
            ReportApplicationError(QStringLiteral("unknown"), QString());
        }
    }

    // Releases the mouse, shows the message (with its '.') in the error box
    // and gives the keyboard focus back to where it was.
    void ReportException(const Exception& e);

    // The "Application Error" box: for an exception that escaped outside every
    // event handler (while the windows are created at start-up), and for an
    // object that is not an Exception. Ends nothing itself. The address shown
    // is the code that caught it, as a C++ exception carries no fault address.
    [[gnu::noinline]] void ReportApplicationError(const QString& className, const QString& message);

  protected:
    // The error box: error icon, one OK button, modal to the program, shown
    // until the user closes it. Tests substitute a recorder.
    virtual void ShowErrorBox(const QString& caption, const QString& text);

    // The "Application Error" box, owned by no window.
    virtual void ShowApplicationErrorBox(const QString& text);

  private:
    QString title_;
};

}  // namespace colmara
