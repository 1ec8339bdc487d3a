// Opening the display: without one the window toolkit ends the process with
// an abort and several lines of plugin detail. The program instead says so
// in one line on stderr and exits with status 1.
#pragma once

#include <QApplication>
#include <memory>

namespace colmara {

// The application object on the display; when none can be opened, prints
// "<program>: cannot open a display ..." to stderr and ends the process with
// exit status 1. Messages the toolkit writes while it connects are held
// back and passed on once the connection stands.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

}  // namespace colmara
