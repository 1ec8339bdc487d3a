// What the window program is asked to do by its command line. Only the
// program's own options are read here; everything else is left for the
// window toolkit, which takes its standard options (-platform, -style, ...)
// when the application object is made.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace colmara {

enum class StartMode {
    Window,   // the main window, as without arguments
    Study,    // the study window alone
    Version,  // print "colmara VERSION" and exit
    Help,     // print the usage and exit
};

// The first of the program's own options decides; without one, the window.
StartMode ReadStartMode(const std::vector<std::string>& args);

// True for the modes that open no window (version and help).
bool AnswersWithoutWindow(StartMode mode);

// For the modes that open no window: prints the answer to `out` and returns
// the exit status.
int AnswerWithoutWindow(StartMode mode, std::ostream& out);

}  // namespace colmara
