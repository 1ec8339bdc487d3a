#include "ui/study/studystartup.h"

#include <QApplication>

#include "runtime/numconv.h"
#include "ui/study/studywindow.h"

namespace colmara {

int RunStudyWindow() {
    StudyWindow window(ProcessFormatSettings());
    window.show();
    return QApplication::exec();
}

}  // namespace colmara
