#include "loggedrun/loggedrun.h"

#include "batch/logpairing.h"
#include "study/valuetext.h"

namespace colmara::test {

namespace {

std::string Cell(long double value) {
    return PlainNumber(static_cast<double>(value));
}

}  // namespace

BatchRequest LoggedWash(int plates, int watts) {
    BatchRequest request;
    request.charge = 10000;
    request.inputs = {std::to_string(watts), "10", std::to_string(plates), "3"};
    request.cuts = DefaultCuts({3, AmountUnit::AlcoholShare}, 80);
    request.stops.productBelow = 40;
    return request;
}

std::string LoggedRunText(const BatchResult& run, long double every, double jugMl,
                          std::mt19937& random) {
    std::normal_distribution<double> thermometer(0, 0.1);
    std::normal_distribution<double> jug(0, jugMl > 0 ? jugMl : 1);
    std::string text = "time,head_temperature,boiler_temperature,collected_ml\n";
    for (long double minute = run.timeline.front().minute; minute <= run.timeline.back().minute;
         minute += every) {
        LogPoint at;
        at.minute = minute;
        at.hpa = kStandardHpa;
        const auto value = [&](LogReading reading) {
            at.reading = reading;
            return ModelValue(run.timeline, at);
        };
        text += Cell(minute) + "," +
                Cell(value(LogReading::HeadTemperature) + thermometer(random)) + "," +
                Cell(value(LogReading::BoilerTemperature) + thermometer(random)) + "," +
                Cell(value(LogReading::CollectedMl) + (jugMl > 0 ? jug(random) : 0)) + "\n";
    }
    return text;
}

}  // namespace colmara::test
