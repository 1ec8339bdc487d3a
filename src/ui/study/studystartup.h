// Starting the program with the study window alone (`colmara --study`).
#pragma once

namespace colmara {

// Shows the study window and runs the event loop until it closes; returns
// the loop's exit code.
int RunStudyWindow();

}  // namespace colmara
