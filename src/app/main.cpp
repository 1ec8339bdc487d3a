// The window program: sets up the floating-point unit and the number symbols,
// opens the display, then creates the windows and runs until the main window
// closes. Asked only for its version or help, it answers without a display.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/appidentity.h"
#include "app/arguments.h"
#include "app/displayopen.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"
#include "ui/apptitle.h"
#include "ui/errorreporter.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    const colmara::StartMode mode =
        colmara::ReadStartMode(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (mode != colmara::StartMode::Window) return colmara::AnswerWithoutWindow(mode, std::cout);

    colmara::InitFloatingPoint();
    colmara::RereadProcessFormatSettings();
    const auto app = colmara::OpenApplication(argc, argv);
    colmara::SetApplicationIdentity();
    colmara::ErrorReporter reporter(
        colmara::ApplicationTitleFromPath(QCoreApplication::applicationFilePath()));
    return colmara::RunForms(reporter);
}
