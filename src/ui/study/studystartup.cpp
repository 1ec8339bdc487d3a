#include "ui/study/studystartup.h"

#include <QApplication>
#include <cstring>

#include "runtime/numconv.h"
#include "ui/study/studywindow.h"

namespace colmara {

bool StudyRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--study") == 0) return true;
    return false;
}

int RunStudyWindow() {
    StudyWindow window(ProcessFormatSettings());
    window.show();
    return QApplication::exec();
}

}  // namespace colmara
