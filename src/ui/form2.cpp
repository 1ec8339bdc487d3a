#include "ui/form2.h"

namespace colmara {

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Form2"));
    setAttribute(Qt::WA_QuitOnClose, false);
}

}  // namespace colmara
