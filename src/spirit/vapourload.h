// The vapour in a column of a given bore: its density as an ideal gas at
// 1 atm, its speed and the F-factor, the load figure of packed columns.
#pragma once

namespace colmara {

// Molar masses (g/mol), the gas constant (J/(mol K)) and the pressure (Pa)
// of the ideal-gas figure.
inline constexpr long double kEthanolMolarMass = 46.068L;
inline constexpr long double kWaterMolarMass = 18.015L;
inline constexpr long double kGasConstant = 8.314462618L;
inline constexpr long double kAtmosphere = 101325;

// kg/m3 of a vapour with ethanol mass fraction `massFraction` at `celsius`:
// p M / (R T), M the mixture's molar mass, 1 / (y / M_E + (1 - y) / M_W).
long double VapourDensity(long double massFraction, long double celsius);

struct VapourLoad {
    long double density = 0;  // kg/m3
    long double speed = 0;    // m/s over the whole bore
    long double fFactor = 0;  // speed x sqrt(density), Pa^0.5
};

// `gramsPerHour` of that vapour rising through a bore of `boreMm`.
VapourLoad LoadOf(long double gramsPerHour, long double massFraction, long double celsius,
                  long double boreMm);

}  // namespace colmara
