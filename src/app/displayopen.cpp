#include "app/displayopen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace colmara {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

const char* g_program = "colmara";
std::vector<HeldMessage>* g_held = nullptr;

// Holds every message; the fatal one means no platform could start, and the
// process ends here (a fatal message handler that returns aborts).
void HoldMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: cannot open a display (is DISPLAY or WAYLAND_DISPLAY set?)\n",
                     g_program);
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_held->push_back({type, text});
}

const char* BaseName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

}  // namespace

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv) {
    if (argc > 0 && argv[0] != nullptr) g_program = BaseName(argv[0]);
    std::vector<HeldMessage> held;
    g_held = &held;
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    g_held = nullptr;
    for (const HeldMessage& message : held)
        qt_message_output(message.type, QMessageLogContext(), message.text);
    return app;
}

}  // namespace colmara
