// Renders the chart of a 20-plate column (boiler vapour 10 % rising to
// 76 %) into a PNG, or shows it in a window with --show, for checking the
// picture by eye.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ui/chart/chartwidget.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool show = argc > 1 && std::strcmp(argv[1], "--show") == 0;
    const char* path = argc > 1 && !show ? argv[1] : "chart.png";

    colmara::ChartWidget widget(nullptr);
    widget.resize(colmara::ChartWidget::DefaultGeometry().size());
    constexpr int kPlates = 20;
    for (int i = 0; i <= kPlates; ++i) {
        // Steep near the boiler, flattening towards the azeotrope.
        const double share = 1.0 - std::pow(1.0 - static_cast<double>(i) / kPlates, 3.0);
        widget.Series1().Add(10.0 + 66.0 * share);
    }
    if (show) {
        widget.show();
        return QApplication::exec();
    }

    QImage image(widget.size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        widget.Render(painter, widget.rect());
    }
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    std::printf("%s\n", path);
    return 0;
}
