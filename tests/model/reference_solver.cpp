#include "model/reference_solver.h"

#include <cmath>

#include "model/properties.h"
#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"

namespace colmara::test {

namespace {

long double E(const Column& c) {
    return static_cast<long double>(static_cast<std::int64_t>(c.power) * 3600);
}

// Every reference call below goes to the literal vapour strength.
long double vs(long double x) {
    return ReferenceVapourStrength(x);
}

// The vapour leaving a plate whose liquid has the strength the column holds,
// `below` rising into it.
long double PlateVapour(const Column& c, long double below) {
    if (c.efficiency == 1) return vs(c.platestrength);
    return Checked(below + c.efficiency * (vs(c.platestrength) - below));
}

void ReferenceResolveBelowIdeal(Column& c) {
    if (!(c.efficiency >= 0.01L && c.efficiency <= 1))
        throw Exception("The plate efficiency must be from 1 to 100 %");
    long double leaving = c.topstrength;
    for (int n = c.plates; n >= 1; --n) {
        long double trial = 0.5L;
        long double liquid = 0;
        for (int j = 1; j <= 100; ++j) {
            const long double mass = Checked(E(c) / heatofvaporization(trial));
            long double liquidmass = Checked(mass - c.productamount);
            if (!(liquidmass > 0)) liquidmass = 1;
            liquid = Checked((trial * mass - c.productamount * c.topstrength) / liquidmass);
            const long double excess =
                Checked(trial + c.efficiency * (vs(liquid) - trial) - leaving);
            if (excess > 0) trial = Checked(trial - 1 / Power(2, j + 1));
            if (excess < 0) trial = Checked(trial + 1 / Power(2, j + 1));
        }
        c.refluxtable[n] = Checked(Checked(E(c) / heatofvaporization(leaving)) - c.productamount);
        c.vapourtable[n] = leaving;
        c.liquidtable[n] = liquid;
        c.temperaturetable[n] = Checked(temperature(leaving));
        leaving = trial;
    }
}

}  // namespace

long double ReferenceVapourStrength(long double x) {
    const long double p1 = -499.99L * x * x * x * x * x * x + 981.18L * x * x * x * x * x -
                           775.47L * x * x * x * x + 319.13L * x * x * x - 74.297L * x * x +
                           10.147L * x + 0.00009L;
    const long double p2 = -116.0L * x * x * x * x * x + 306.22L * x * x * x * x -
                           317.43L * x * x * x + 161.4L * x * x - 39.971L * x + 4.5695L;
    const long double p3 = 412.91L * x * x * x * x * x * x - 1876.0L * x * x * x * x * x +
                           3527.8L * x * x * x * x - 3512.0L * x * x * x + 1951.4L * x * x -
                           573.42L * x + 70.343L;
    long double r = 0;
    if (x < 0) r = 0;
    if (0 < x && x <= 0.3374L) r = p1;
    if (0.3374L < x && x <= 0.5544L) r = p2 - (p2 - p1) * (0.5544L - x) * 0.217L;
    if (0.5544L < x && x <= 0.7254L) r = p3 - (p3 - p2) * (0.7252L - x) * 0.1708L;
    if (0.7254L < x && x < 0.9558L) r = p3;
    if (x >= 0.9558L) r = 0.9558L;
    if (r > 0.9558L) r = 0.9558L;
    return r;
}

void ReferenceSolve(Column& c) {
    ClearFloatingPointFlags();
    if (c.plates < 0 || c.plates > 100)
        throw Exception("The number of plates must be from 0 to 100");
    if (!(c.efficiency >= 0.01L && c.efficiency <= 1))
        throw Exception("The plate efficiency must be from 1 to 100 %");

    c.boilervapour = Checked(E(c) / heatofvaporization(vs(c.boilerstrength)));
    c.boileralcohol = Checked(vs(c.boilerstrength) * c.boilervapour);
    c.guessspan = 0.95L;
    c.topstrength = Checked(vs(c.boilerstrength) + c.guessspan / 2);
    c.lastguess = c.topstrength;
    c.productamount = Checked(E(c) / heatofvaporization(c.topstrength) / c.refluxfactor);
    c.productalcohol = Checked(c.productamount * c.topstrength);
    if (c.plates == 0) {
        c.platecounter = 0;
        c.liquiddown = 0;
        c.alcoholdown = 0;
        c.platestrength = c.boilerstrength;
    }

    for (int k = 1; k <= 1000; ++k) {
        c.passcounter = k;
        c.vapourup = c.boilervapour;
        c.alcoholup = c.boileralcohol;
        long double below = vs(c.boilerstrength);
        for (int i = 1; i <= c.plates; ++i) {
            c.platecounter = i;
            c.liquiddown = Checked(c.vapourup - c.productamount);
            c.alcoholdown = Checked(c.alcoholup - c.productalcohol);
            if (!(c.liquiddown > 0)) {
                c.alcoholdown = 0;
                c.liquiddown = 1;
            }
            c.platestrength = Checked(c.alcoholdown / c.liquiddown);
            if (c.platestrength >= 0.948L) c.platestrength = 0.948L;
            if (c.platestrength < c.boilerstrength) c.platestrength = c.boilerstrength;
            below = PlateVapour(c, below);
            c.vapourup = Checked(E(c) / heatofvaporization(below));
            c.alcoholup = Checked(below * c.vapourup);
        }
        c.topstrength = Checked(c.plates == 0 ? vs(c.platestrength) : below);
        if (c.topstrength > c.lastguess)
            c.topstrength = Checked(c.lastguess + c.guessspan / Power(2, k + 1));
        if (c.topstrength < c.lastguess)
            c.topstrength = Checked(c.lastguess - c.guessspan / Power(2, k + 1));
        c.lastguess = c.topstrength;
        c.productamount = Checked(E(c) / heatofvaporization(c.topstrength) / c.refluxfactor);
        c.productalcohol = Checked(c.productamount * c.topstrength);
    }

    c.vapourup = c.boilervapour;
    c.alcoholup = c.boileralcohol;
    long double below = vs(c.boilerstrength);
    for (int i = 1; i <= c.plates; ++i) {
        c.platecounter = i;
        c.liquiddown = Checked(c.vapourup - c.productamount);
        if (!(c.liquiddown > 0)) c.liquiddown = 1;
        c.alcoholdown = Checked(c.alcoholup - c.productalcohol);
        c.platestrength = Checked(c.alcoholdown / c.liquiddown);
        below = PlateVapour(c, below);
        c.refluxtable[i] = c.liquiddown;
        c.vapourtable[i] = Checked(below);
        c.liquidtable[i] = c.platestrength;
        c.temperaturetable[i] = Checked(temperature(below));
        c.vapourup = Checked(E(c) / heatofvaporization(below));
        c.alcoholup = Checked(below * c.vapourup);
    }

    if (c.plates >= 1 && std::fabs(c.vapourtable[c.plates] - c.topstrength) > 0.0005L)
        ReferenceResolveTopDown(c);
}

void ReferenceResolveTopDown(Column& c) {
    if (c.plates < 1) return;
    if (c.efficiency != 1) return ReferenceResolveBelowIdeal(c);
    long double strengthabove = c.topstrength;
    for (int n = c.plates; n >= 1; --n) {
        long double trialstrength = 0.5L;
        long double trialvapour = 0;
        for (int j = 1; j <= 100; ++j) {
            trialvapour = Checked(E(c) / heatofvaporization(vs(trialstrength)));
            const long double alcoholbalance = Checked(
                vs(trialstrength) * trialvapour - (trialvapour - c.productamount) * strengthabove -
                c.productamount * c.topstrength);
            if (alcoholbalance > 0) trialstrength = Checked(trialstrength - 1 / Power(2, j + 1));
            if (alcoholbalance < 0) trialstrength = Checked(trialstrength + 1 / Power(2, j + 1));
        }
        strengthabove = trialstrength;
        c.refluxtable[n] = Checked(trialvapour - c.productamount);
        c.vapourtable[n] = Checked(vs(trialstrength));
        c.liquidtable[n] = trialstrength;
        c.temperaturetable[n] = Checked(temperature(vs(trialstrength)));
    }
}

}  // namespace colmara::test
