#include "ui/startup.h"

#include <QApplication>

#include "ui/errorreporter.h"

namespace colmara {

Forms CreateForms(ErrorReporter& reporter) {
    Forms forms;
    forms.form1 = std::make_unique<TForm1>(reporter);
    forms.form2 = std::make_unique<TForm2>();
    forms.form3 = std::make_unique<TForm3>(reporter);
    forms.form1->SetInformationWindow(forms.form3.get());
    return forms;
}

int RunForms(ErrorReporter& reporter, const FormCreator& create) {
    Forms forms;
    try {
        forms = create(reporter);
    } catch (...) {
        reporter.ReportCurrentException(ErrorReporter::Escaped::OutsideHandlers);
        return 1;
    }
    forms.form1->show();
    return QApplication::exec();
}

}  // namespace colmara
