#include "studyview/logmarks.h"

#include <algorithm>

#include "studyview/studychart.h"

namespace colmara {

namespace {

TXYLineSeries& Marks(TChart& chart, ColorValue colour, MarkerStyle style, bool right) {
    TXYLineSeries& series = AddSeries(chart, "", colour);
    series.LinePen.Visible = false;
    series.Marker = {true, style, 3, false};
    if (right) series.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    series.Active = false;
    return series;
}

void Add(TXYLineSeries& series, long double minute, long double value) {
    series.AddXY(static_cast<double>(minute), static_cast<double>(value));
}

}  // namespace

LogMarks::LogMarks(TChart& chart, const LogMarkColours& colours)
    : product_(Marks(chart, colours.product, MarkerStyle::msCircle, false)),
      headStrength_(Marks(chart, colours.product, MarkerStyle::msSquare, false)),
      boiler_(Marks(chart, colours.boiler, MarkerStyle::msCircle, false)),
      collected_(Marks(chart, colours.collected, MarkerStyle::msCircle, true)),
      head_(Marks(chart, colours.head, MarkerStyle::msSquare, true)) {}

void LogMarks::Show(const std::string& name, const LogPairs& pairs,
                    const std::vector<BatchRow>& timeline, StrengthUnit unit) {
    Clear();
    for (const PairedReading& paired : pairs.readings) {
        const LogPoint& p = paired.point;
        const auto strength = StrengthIn(unit, p.strength);
        switch (p.reading) {
            case LogReading::HeadTemperature:
                Add(head_, p.minute, p.value);
                if (strength) Add(headStrength_, p.minute, *strength);
                break;
            case LogReading::BoilerTemperature:
                if (strength) Add(boiler_, p.minute, *strength);
                break;
            case LogReading::ProductStrength:
            case LogReading::ProductStrengthVol:
                if (strength) Add(product_, p.minute, *strength);
                break;
            case LogReading::CollectedG:
                Add(collected_, p.minute, p.value);
                break;
            case LogReading::CollectedMl: {
                LogPoint grams = p;
                grams.reading = LogReading::CollectedG;
                const long double g = ModelValue(timeline, grams);
                Add(collected_, p.minute, paired.model > 0 ? p.value * g / paired.model : p.value);
                break;
            }
            case LogReading::PressureHpa:
                break;
        }
    }
    for (TXYLineSeries* series : {&product_, &headStrength_, &boiler_, &collected_, &head_})
        series->Title = name;
    for (TXYLineSeries* series : {&product_, &headStrength_, &boiler_, &collected_, &head_})
        if (series->Count() > 0) shown_.push_back(series);
    Activate();
}

void LogMarks::Clear() {
    for (TXYLineSeries* series : {&product_, &headStrength_, &boiler_, &collected_, &head_}) {
        series->Clear();
        series->Active = false;
    }
    shown_.clear();
}

void LogMarks::ShowHeadTemperature(bool shown) {
    headShown_ = shown;
    Activate();
}

void LogMarks::Activate() {
    for (TXYLineSeries* series : shown_) series->Active = true;
    // The right axis holds one curve, and a head reading is read against
    // the head temperature when it shows, else as the strength it means.
    head_.Active = headShown_ && head_.Count() > 0;
    headStrength_.Active = !headShown_ && headStrength_.Count() > 0;
    collected_.Active = !headShown_ && collected_.Count() > 0;
    // One legend entry, the log's name: each mark has its curve's colour.
    bool named = false;
    for (TXYLineSeries* series : shown_) {
        series->ShowInLegend = series->Active && !named;
        named = named || series->Active;
    }
}

std::vector<double> LogMarks::Strengths() const {
    std::vector<double> values;
    for (const TXYLineSeries* series : {&product_, &headStrength_, &boiler_})
        if (series->Active)
            for (int i = 0; i < series->Count(); ++i) values.push_back(series->YValues[i]);
    return values;
}

std::vector<double> LogMarks::RightValues() const {
    std::vector<double> values;
    for (const TXYLineSeries* series : {&collected_, &head_})
        if (series->Active)
            for (int i = 0; i < series->Count(); ++i) values.push_back(series->YValues[i]);
    return values;
}

double LogMarks::LastMinute() const {
    double last = 0;
    for (const TXYLineSeries* series : shown_)
        for (int i = 0; i < series->Count(); ++i) last = std::max(last, series->XValues[i]);
    return last;
}

}  // namespace colmara
