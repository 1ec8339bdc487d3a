#include "ui/formframe.h"

#include <QWidget>

#include "ui/fonts.h"

namespace colmara {

void SetUpFormFrame(QWidget& form, const QString& name, const QString& caption,
                    const QRect& place) {
    form.setObjectName(name);
    form.setWindowTitle(caption);
    form.setFont(FormFont());
    form.setFixedSize(place.size());
    form.move(place.topLeft());
}

}  // namespace colmara
