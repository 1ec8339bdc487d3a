// Draws the figure of docs/model.md from a timeline that colmara-report
// batch printed (by weight): product and boiler strength against time on the
// left axis, the amount collected on the right, each cut's beginning as a
// dotted line named after the cut. Through the study charts' own export.
//   usage: batch_figure TIMELINE.csv FIGURE.png
#include <QApplication>
#include <QSize>
#include <QString>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/xylineseries.h"
#include "studyview/studychart.h"
#include "ui/chart/chartexport.h"

namespace colmara {
namespace {

using Row = std::map<std::string, std::string>;

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream stream(line.substr(0, line.find('\r')));
    for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(cell);
    return cells;
}

std::vector<Row> ReadTimeline(const char* path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    const std::vector<std::string> header = Cells(line);
    std::vector<Row> rows;
    while (std::getline(file, line)) {
        const std::vector<std::string> cells = Cells(line);
        Row row;
        for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i)
            row[header[i]] = cells[i];
        rows.push_back(row);
    }
    return rows;
}

void Draw(TChart& chart, const std::vector<Row>& rows) {
    SetUpStudyChart(chart, "A batch run: 20 l of a 10 % wash, 20 plates, reflux ratio 3");
    auto& product = AddLine(chart, "Product strength", clRed);
    auto& boiler = AddLine(chart, "Boiler strength", clBlue);
    auto& collected = AddLine(chart, "Collected", clBlack, PenStyle::psDash);
    collected.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    const double start = std::stod(rows.front().at("time_min"));
    const double end = std::stod(rows.back().at("time_min"));
    std::string cut = rows.front().at("cut");
    for (const Row& row : rows) {
        const double minute = std::stod(row.at("time_min"));
        product.AddXY(minute, std::stod(row.at("product_strength")));
        boiler.AddXY(minute, std::stod(row.at("strength")));
        collected.AddXY(minute, std::stod(row.at("collected")));
        if (row.at("cut") == cut) continue;
        cut = row.at("cut");
        auto& boundary = AddSeries(chart, cut + " begins", clGray);
        boundary.LinePen.Style = PenStyle::psDash;
        boundary.LinePen.Width = 2;
        boundary.AddXY(minute, 0);
        boundary.AddXY(minute, 100);
    }
    SetAxisRange(chart.BottomAxis(), start, end);
    chart.BottomAxis().Title = "Minutes from the start of heating";
    SetAxisRange(chart.LeftAxis(), 0, 100);
    chart.LeftAxis().Title = StrengthAxisTitle(StrengthUnit::Weight);
    SetAxisRange(chart.RightAxis(), 0, std::stod(rows.back().at("collected")));
    chart.RightAxis().Title = "Collected, g";
}

}  // namespace
}  // namespace colmara

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: batch_figure TIMELINE.csv FIGURE.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    const std::vector<colmara::Row> rows = colmara::ReadTimeline(argv[1]);
    if (rows.size() < 2) {
        std::fprintf(stderr, "%s: no timeline\n", argv[1]);
        return 1;
    }
    const colmara::FormatSettings settings;
    colmara::TChart chart(settings);
    colmara::Draw(chart, rows);
    if (!colmara::ChartImage(chart, QSize(900, 560)).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s\n", argv[2]);
    return 0;
}
