// Renders the McCabe-Thiele panel for one case into PNGs (the chart as the
// export saves it, and the whole panel as it appears), or shows the panel in
// a window with --show, for checking the picture by eye.
// --greyed follows the case with a failed one (no power), as a failed
// calculation leaves the panel.
//   mccabe_png [--show] [--volume] [--published] [--greyed]
//              POWER STRENGTH PLATES REFLUX [PREFIX]
#include <QApplication>
#include <QCheckBox>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/fpcheck.h"
#include "ui/chart/chartexport.h"
#include "ui/chart/chartview.h"
#include "ui/study/mccabepanel.h"

int main(int argc, char** argv) {
    colmara::InitFloatingPoint();
    QApplication app(argc, argv);
    bool show = false, published = false, greyed = false;
    colmara::StudyCase study;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--show")
            show = true;
        else if (arg == "--volume")
            study.unit = colmara::StrengthUnit::Volume;
        else if (arg == "--published")
            published = true;
        else if (arg == "--greyed")
            greyed = true;
        else
            args.push_back(arg);
    }
    if (args.size() < 4) {
        std::fprintf(stderr,
                     "usage: mccabe_png [--show] [--volume] [--published] [--greyed] "
                     "POWER STRENGTH PLATES REFLUX [PREFIX]\n");
        return 2;
    }
    const std::string prefix = args.size() > 4 ? args[4] : "mccabe";

    const colmara::FormatSettings settings;
    colmara::McCabePanel panel(settings);
    panel.resize(720, 600);
    panel.PublishedBox()->setChecked(published);
    study.typed = {args[0], args[1], args[2], args[3]};
    study.profile = colmara::ProfileCase(study.typed, settings, study.unit);
    panel.ShowCase(study);
    if (greyed) {
        const colmara::InputTexts failed{"0", args[1], args[2], args[3]};
        panel.ShowCase({failed, study.unit, colmara::ProfileCase(failed, settings, study.unit)});
    }
    if (study.profile.result.error)
        std::fprintf(stderr, "%s\n", study.profile.result.error->c_str());
    if (show) {
        panel.show();
        return QApplication::exec();
    }

    const QString chartPath = QString::fromStdString(prefix + "-chart.png");
    const QString panelPath = QString::fromStdString(prefix + "-panel.png");
    const bool saved =
        colmara::ChartImage(panel.ExportChart()->Chart(), QSize(720, 560), panel.palette())
            .save(chartPath) &&
        panel.grab().save(panelPath);
    if (!saved) {
        std::fprintf(stderr, "cannot write %s or %s\n", qPrintable(chartPath),
                     qPrintable(panelPath));
        return 1;
    }
    std::printf("%s\n%s\n", qPrintable(chartPath), qPrintable(panelPath));
    return 0;
}
