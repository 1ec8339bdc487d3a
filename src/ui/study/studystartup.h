// Starting the program with the study window alone (`colmara --study`).
#pragma once

namespace colmara {

// True when the command line asks for the study window.
bool StudyRequested(int argc, char** argv);

// Shows the study window and runs the event loop until it closes; returns
// the loop's exit code.
int RunStudyWindow();

}  // namespace colmara
