// colmara-report: runs one calculation without the window and prints what the
// window would show. Reads no files and writes none.
#include <iostream>
#include <string>
#include <vector>

#include "cli/companion.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"

int main(int argc, char** argv) {
    using namespace colmara;
    InitFloatingPoint();
    ProcessFormatSettings() = ReadLocaleFormatSettings();
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunCompanion(args, ProcessFormatSettings(), std::cout, std::cerr);
}
