// The window program: sets up the floating-point unit and the number symbols,
// opens the display, then creates the windows and runs until the main window
// closes; with --study it shows the study window alone instead. The main
// window's lists offer to open the study window with the fields' texts.
// Asked only for its version or help, it answers without a display.
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
#include "ui/form1.h"
#include "ui/startup.h"
#include "ui/study/studyopener.h"
#include "ui/study/studystartup.h"

int main(int argc, char** argv) {
    const colmara::StartMode mode =
        colmara::ReadStartMode(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (colmara::AnswersWithoutWindow(mode)) return colmara::AnswerWithoutWindow(mode, std::cout);

    colmara::InitFloatingPoint();
    colmara::RereadProcessFormatSettings();
    const auto app = colmara::OpenApplication(argc, argv);
    colmara::SetApplicationIdentity();
    if (mode == colmara::StartMode::Study) return colmara::RunStudyWindow();
    colmara::ErrorReporter reporter(
        colmara::ApplicationTitleFromPath(QCoreApplication::applicationFilePath()));
    colmara::StudyOpener opener(colmara::ProcessFormatSettings());
    return colmara::RunForms(reporter, [&opener](colmara::ErrorReporter& errors) {
        colmara::Forms forms = colmara::CreateForms(errors);
        forms.form1->OpenStudyWindow = [&opener](const colmara::InputTexts& texts) {
            opener.Open(texts);
        };
        return forms;
    });
}
