// The window program: sets up the floating-point unit and the number symbols,
// opens the display, then creates the windows and runs until the main window
// closes.
#include <QApplication>

#include "app/displayopen.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"
#include "ui/apptitle.h"
#include "ui/errorreporter.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    colmara::InitFloatingPoint();
    colmara::RereadProcessFormatSettings();
    const auto app = colmara::OpenApplication(argc, argv);
    colmara::ErrorReporter reporter(
        colmara::ApplicationTitleFromPath(QCoreApplication::applicationFilePath()));
    return colmara::RunForms(reporter);
}
