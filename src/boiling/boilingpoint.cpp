#include "boiling/boilingpoint.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "boiling/airpressure.h"
#include "boiling/boilingerror.h"
#include "boiling/publishedvle.h"
#include "model/properties.h"
#include "runtime/secantroot.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

constexpr long double kStandardMmHg = 760;
// The inverse problems end when the strength is this close or the
// temperature this close to the one asked for.
constexpr long double kStrengthTolerance = 1e-12L;
constexpr long double kCelsiusTolerance = 1e-9L;
constexpr int kSteps = 300;
constexpr const char* kBoiling = "boiling point";
constexpr const char* kCondensing = "condensing point";

// The model's azeotrope: no vapour is stronger, and every liquid from it up
// boils as it does.
long double Azeotrope() {
    return vapourstrength(1);
}

// The published model's change from 1 atm to `hpa` at a liquid.
BubblePoint BubbleChange(long double liquid, long double hpa) {
    const long double x = MoleFraction(liquid);
    const BubblePoint there = PublishedBubble(x, MmHgOfHpa(hpa));
    const BubblePoint standard = PublishedBubble(x, kStandardMmHg);
    return {there.celsius - standard.celsius,
            MassFraction(there.vapour) - MassFraction(standard.vapour)};
}

// The published model's change of a vapour's condensing temperature from
// 1 atm to one pressure. It keeps the liquids its last searches found, so
// the next search, for a nearby vapour, starts there: an inverse problem
// asks for many vapours close together.
class DewChange {
  public:
    explicit DewChange(long double hpa) : mmHg_(MmHgOfHpa(hpa)) {}
    long double operator()(long double vapour) {
        const long double y = MoleFraction(vapour);
        const long double standard = PublishedDewCelsius(y, kStandardMmHg, &standardLiquid_);
        // The liquid at 1 atm is close to the one at the pressure asked.
        if (!(thereLiquid_ > 0)) thereLiquid_ = standardLiquid_;
        return PublishedDewCelsius(y, mmHg_, &thereLiquid_) - standard;
    }

  private:
    long double mmHg_;
    long double standardLiquid_ = 0;  // none yet
    long double thereLiquid_ = 0;
};

// To the hundredth, as thermometers are read.
std::string Celsius(long double value) {
    return PlainNumber(std::round(static_cast<double>(value) * 100) / 100) + " °C";
}

// The temperatures at the two ends of a search: water's and the
// azeotrope's, at one pressure.
struct Ends {
    long double water;
    long double azeotrope;
};

// The strength in [0, top] at which `falling` (a temperature that falls as
// the strength rises, perhaps with small steps, from ends.water to
// ends.azeotrope) reaches `celsius` at `hpa`, searched from `start`. A
// temperature above water's or below the azeotrope's (`what`: "boiling
// point" or "condensing point") is refused, naming both.
long double StrengthAt(const std::function<long double(long double)>& falling, long double celsius,
                       Ends ends, long double top, long double start, long double hpa,
                       const char* what) {
    const std::string at = " at " + PlainNumber(static_cast<double>(hpa)) + " hPa";
    if (!std::isfinite(celsius) || celsius > ends.water)
        throw BoilingError("temperature: " + Celsius(celsius) + " is above the " + what +
                           " of water" + at + " (" + Celsius(ends.water) + ")");
    if (celsius < ends.azeotrope)
        throw BoilingError("temperature: " + Celsius(celsius) + " is below the " + what +
                           " of the azeotrope" + at + " (" + Celsius(ends.azeotrope) + ")");
    if (ends.water == celsius) return 0;
    if (ends.azeotrope == celsius) return top;
    const auto rise = [&](long double strength) { return celsius - falling(strength); };
    return SecantRoot<long double>({0, celsius - ends.water, top, celsius - ends.azeotrope},
                                   std::clamp(start, 0.0L, top), 1e-6L, rise, kCelsiusTolerance,
                                   kStrengthTolerance, kSteps);
}

// The ends at `hpa` that `temperatureAt` (a strength's temperature at a
// pressure) gives for water and the azeotrope. Each takes searches of the
// published model; a thread keeps the last pressure's, since a form or a
// run asks at one pressure again and again.
template <long double (*temperatureAt)(long double, long double)>
Ends EndsAt(long double hpa, long double top) {
    thread_local long double lastHpa = 0;
    thread_local Ends last{};
    if (hpa != lastHpa) {
        last = {temperatureAt(0, hpa), temperatureAt(top, hpa)};
        lastHpa = hpa;
    }
    return last;
}

// The model's own strength at `celsius` at 1 atm, where `falling` is the
// model's temperature; its polynomials cost little, so this start for the
// search at another pressure is nearly free.
long double ModelStrengthAt(const std::function<long double(long double)>& falling,
                            long double celsius, long double top) {
    const long double water = falling(0);
    const long double azeotrope = falling(top);
    const long double clamped = std::clamp(celsius, azeotrope, water);
    const auto rise = [&](long double strength) { return clamped - falling(strength); };
    return SecantRoot<long double>({0, clamped - water, top, clamped - azeotrope}, top / 2, 1e-6L,
                                   rise, kCelsiusTolerance, kStrengthTolerance, kSteps);
}

}  // namespace

long double LiquidBoilingCelsius(long double liquid, long double hpa) {
    const long double model = temperature(vapourstrength(liquid));
    if (CheckedPressure(hpa) == kStandardHpa) return model;
    return model + BubbleChange(liquid, hpa).celsius;
}

long double VapourOverLiquid(long double liquid, long double hpa) {
    const long double model = vapourstrength(liquid);
    if (CheckedPressure(hpa) == kStandardHpa) return model;
    return std::clamp(model + BubbleChange(liquid, hpa).vapour, 0.0L, 1.0L);
}

long double VapourCondensingCelsius(long double vapour, long double hpa) {
    const long double model = temperature(vapour);
    if (CheckedPressure(hpa) == kStandardHpa) return model;
    return model + DewChange(hpa)(vapour);
}

long double LiquidAtCelsius(long double celsius, long double hpa) {
    const long double top = Azeotrope();
    const Ends ends = EndsAt<LiquidBoilingCelsius>(CheckedPressure(hpa), top);
    const auto model = [](long double w) { return temperature(vapourstrength(w)); };
    if (hpa == kStandardHpa) return StrengthAt(model, celsius, ends, top, top / 2, hpa, kBoiling);
    // The change with pressure moves the answer little from where the model
    // at 1 atm puts the temperature less the change there.
    const long double guess = ModelStrengthAt(model, celsius, top);
    const long double start =
        ModelStrengthAt(model, celsius - BubbleChange(guess, hpa).celsius, top);
    return StrengthAt([hpa](long double w) { return LiquidBoilingCelsius(w, hpa); }, celsius, ends,
                      top, start, hpa, kBoiling);
}

long double VapourAtCelsius(long double celsius, long double hpa) {
    const long double top = Azeotrope();
    const Ends ends = EndsAt<VapourCondensingCelsius>(CheckedPressure(hpa), top);
    const auto model = [](long double y) { return temperature(y); };
    if (hpa == kStandardHpa)
        return StrengthAt(model, celsius, ends, top, top / 2, hpa, kCondensing);
    DewChange change(hpa);
    const long double guess = ModelStrengthAt(model, celsius, top);
    const long double start = ModelStrengthAt(model, celsius - change(guess), top);
    return StrengthAt([&change](long double y) { return temperature(y) + change(y); }, celsius,
                      ends, top, start, hpa, kCondensing);
}

}  // namespace colmara
