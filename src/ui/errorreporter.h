// The application's reporting of exceptions that escape an event handler: the
// error box, modal to the whole program, after which the program goes on.
#pragma once

#include <QString>

namespace colmara {

class Exception;

// The text of the "Application Error" box: class name, module file name, code
// address counted from the module's base, the message and a closing '.' when
// it lacks one, each of the two lines ended by CR LF; cut at 1024 characters.
QString ApplicationErrorText(const QString& className, const QString& moduleName, quintptr address,
                             const QString& message);

class ErrorReporter {
  public:
    explicit ErrorReporter(QString title) : title_(std::move(title)) {}
    virtual ~ErrorReporter() = default;
    ErrorReporter(const ErrorReporter&) = delete;
    ErrorReporter& operator=(const ErrorReporter&) = delete;

    enum class Escaped {
        // From an event handler: an Exception goes to the error box titled
        // with the application title, and the program goes on.
        FromHandler,
        // Outside every event handler (while the windows are created at
        // start-up): the "Application Error" box; the caller ends the program.
        OutsideHandlers,
    };

    // Runs one event handler. An exception escaping it is shown here and ends
    // the handler; nothing unwinds into Qt's event dispatch.
    template <typename Handler>
    void Guard(Handler&& handler) noexcept {
        try {
            handler();
        } catch (...) {
            ReportCurrentException(Escaped::FromHandler);
        }
    }

    // Shows the exception being handled; call it only inside a catch block.
    // An object that is not an Exception always gets the "Application Error"
    // box and ends nothing itself.
    void ReportCurrentException(Escaped where) noexcept;

  protected:
    // The modal error box: error icon, one OK button, modal to the program,
    // shown until the user closes it. Its lines may end in CR LF. Tests
    // substitute a recorder.
    virtual void ShowErrorBox(const QString& caption, const QString& text);

  private:
    // Releases the mouse, shows the message (with its '.') in the error box
    // and gives the keyboard focus back to where it was.
    void ReportException(const Exception& e);

    // The "Application Error" box. The address shown is the code that caught
    // the exception, as a C++ exception carries no fault address.
    [[gnu::noinline]] void ReportApplicationError(const QString& className, const QString& message);

    QString title_;
};

}  // namespace colmara
