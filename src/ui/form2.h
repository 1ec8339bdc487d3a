// The second form: created at start-up with the others and never shown.
#pragma once

#include <QWidget>

namespace colmara {

class TForm2 : public QWidget {
  public:
    explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace colmara
