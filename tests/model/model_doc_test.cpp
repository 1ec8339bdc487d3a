// The agreement figures printed in docs/model.md must be the ones the model's
// correlations give against the published equilibrium data; this recomputes
// them and compares them with the document as printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/properties.h"

namespace colmara {
namespace {

struct Deviations {
    double maxStrength = 0;   // percentage points by weight
    double meanStrength = 0;  // percentage points by weight
    double maxTemperature = 0;
    double meanTemperature = 0;
};

// Compares, row by row, the vapour strength the model gives for the liquid's
// mass fraction and the temperature it gives for the vapour's mass fraction.
Deviations Compare(const std::string& path) {
    std::ifstream in(path);
    Deviations d;
    int rows = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 't') continue;
        double t = 0, xMole = 0, yMole = 0, x = 0, y = 0;
        if (std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf,%lf", &t, &xMole, &yMole, &x, &y) != 5)
            continue;
        const double dy = std::fabs(static_cast<double>(vapourstrength(x)) - y) * 100;
        const double dt = std::fabs(static_cast<double>(temperature(y)) - t);
        d.maxStrength = std::max(d.maxStrength, dy);
        d.maxTemperature = std::max(d.maxTemperature, dt);
        d.meanStrength += dy;
        d.meanTemperature += dt;
        ++rows;
    }
    EXPECT_GT(rows, 10) << path;
    d.meanStrength /= rows;
    d.meanTemperature /= rows;
    return d;
}

std::string Fixed(double v, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

TEST(ModelDocument, PrintsTheCurrentDeviationsFromThePublishedData) {
    const Deviations d = Compare(COLMARA_VLE_DATA);
    std::ifstream doc(COLMARA_MODEL_DOC);
    std::stringstream text;
    text << doc.rdbuf();
    const std::string rows[] = {
        "| Largest deviation in vapour strength | " + Fixed(d.maxStrength, 2) + " points |",
        "| Mean deviation in vapour strength | " + Fixed(d.meanStrength, 2) + " points |",
        "| Largest deviation in temperature | " + Fixed(d.maxTemperature, 2) + " °C |",
        "| Mean deviation in temperature | " + Fixed(d.meanTemperature, 2) + " °C |",
    };
    for (const std::string& row : rows)
        EXPECT_NE(text.str().find(row), std::string::npos) << "missing: " << row;
}

}  // namespace
}  // namespace colmara
