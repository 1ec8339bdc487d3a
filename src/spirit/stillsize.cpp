#include "spirit/stillsize.h"

#include <cmath>

#include "batch/heatup.h"
#include "model/column.h"
#include "model/properties.h"
#include "spirit/spiriterror.h"
#include "spirit/spiritstrength.h"
#include "study/strengthtext.h"

namespace colmara {

namespace {

void RequireHardware(const StillHardware& hardware) {
    RequireAmount(hardware.boreMm, "bore");
    RequireAmount(hardware.hetpM, "HETP");
    RequireAmount(hardware.waterRiseK, "water rise");
}

void RequireCharge(const std::optional<StillCharge>& charge) {
    if (!charge) return;
    RequireAmount(charge->amount, "charge");
    if (!std::isfinite(charge->startCelsius)) throw SpiritError("start temperature: not a number");
}

// The vapour figures of a solved column. At the bottom, what the boiler
// sends up: its amount, the strength in equilibrium with the boiler's liquid
// and that vapour's temperature. At the top, what reaches the condenser:
// the product and the reflux returned, at the product strength.
void ReadVapour(const Column& column, long double boreMm, StillSize& size) {
    const long double bottomStrength = vapourstrength(column.boilerstrength);
    size.bottom = LoadOf(column.boilervapour, bottomStrength, temperature(bottomStrength), boreMm);
    const long double topGrams = column.productamount * column.refluxfactor;
    size.top = LoadOf(topGrams, column.topstrength, temperature(column.topstrength), boreMm);
    // Condensing it gives back its heat of vaporisation, J/h to kW.
    size.condenserKw = topGrams * heatofvaporization(column.topstrength) / 3600 / 1000;
}

}  // namespace

StillSize SizeStill(const InputTexts& inputs, const FormatSettings& settings, StrengthUnit unit,
                    const StillHardware& hardware, const std::optional<StillCharge>& charge) {
    RequireHardware(hardware);
    RequireCharge(charge);
    Column column;
    StillSize size;
    size.result = SolveCase(column, FieldInputs(inputs, unit, settings), settings);
    if (!size.result.Solved()) return size;
    size.columnHeightM = column.plates * hardware.hetpM;
    ReadVapour(column, hardware.boreMm, size);
    // Water warming by the rise takes the duty: g/s, then litres at 20 degC.
    const long double waterGramsPerSecond =
        size.condenserKw * 1000 / (kWaterSpecificHeat * hardware.waterRiseK);
    size.coolingWaterLMin = waterGramsPerSecond / GramsPerMl(0, 20) / 1000 * 60;
    if (charge) {
        const long double grams = ChargeGrams(charge->amount, charge->unit, column.boilerstrength);
        size.heatUpMinutes =
            HeatUpMinutes(grams, column.boilerstrength, charge->startCelsius, column.power);
    }
    return size;
}

}  // namespace colmara
