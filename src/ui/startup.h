// The program's windows and its start-up: the three forms created in order,
// the main window shown, the event loop run until the main window closes.
#pragma once

#include <functional>
#include <memory>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"

namespace colmara {

class ErrorReporter;

struct Forms {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
};

using FormCreator = std::function<Forms(ErrorReporter&)>;

// Creates TForm1 (the main window), TForm2 and TForm3 in that order, all hidden.
Forms CreateForms(ErrorReporter& reporter);

// Creates the windows with `create`, shows the main window and runs the event
// loop until it closes; returns the loop's exit code. An exception escaping
// while the windows are created is shown in the "Application Error" box and
// gives exit code 1.
int RunForms(ErrorReporter& reporter, const FormCreator& create = CreateForms);

}  // namespace colmara
