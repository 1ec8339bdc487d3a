// Answers the windows' file questions in a test instead of a dialog, for as
// long as it lives.
#pragma once

#include "ui/filechooser.h"

namespace colmara {

class ChooserForTest {
  public:
    explicit ChooserForTest(FileChooser chooser) { SetFileChooser(std::move(chooser)); }
    ~ChooserForTest() { SetFileChooser({}); }
    ChooserForTest(const ChooserForTest&) = delete;
    ChooserForTest& operator=(const ChooserForTest&) = delete;
};

}  // namespace colmara
