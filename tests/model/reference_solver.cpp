#include "model/reference_solver.h"

#include <cmath>

#include "model/properties.h"
#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"

namespace colmara::testing {

namespace {

long double E(const Column& c) {
    return static_cast<long double>(static_cast<std::int64_t>(c.power) * 3600);
}

}  // namespace

void ReferenceSolve(Column& c) {
    ClearFloatingPointFlags();
    if (c.plates < 0 || c.plates > 100)
        throw Exception("The number of plates must be from 0 to 100");

    c.boilervapour = checked(E(c) / heatofvaporization(vapourstrength(c.boilerstrength)));
    c.boileralcohol = checked(vapourstrength(c.boilerstrength) * c.boilervapour);
    c.guessspan = 0.95L;
    c.topstrength = checked(vapourstrength(c.boilerstrength) + c.guessspan / 2);
    c.lastguess = c.topstrength;
    c.productamount = checked(E(c) / heatofvaporization(c.topstrength) / c.refluxfactor);
    c.productalcohol = checked(c.productamount * c.topstrength);
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
        for (int i = 1; i <= c.plates; ++i) {
            c.platecounter = i;
            c.liquiddown = checked(c.vapourup - c.productamount);
            c.alcoholdown = checked(c.alcoholup - c.productalcohol);
            if (!(c.liquiddown > 0)) {
                c.alcoholdown = 0;
                c.liquiddown = 1;
            }
            c.platestrength = checked(c.alcoholdown / c.liquiddown);
            if (c.platestrength >= 0.948L) c.platestrength = 0.948L;
            if (c.platestrength < c.boilerstrength) c.platestrength = c.boilerstrength;
            c.vapourup = checked(E(c) / heatofvaporization(vapourstrength(c.platestrength)));
            c.alcoholup = checked(vapourstrength(c.platestrength) * c.vapourup);
        }
        c.topstrength = checked(vapourstrength(c.platestrength));
        if (c.topstrength > c.lastguess)
            c.topstrength = checked(c.lastguess + c.guessspan / Power(2, k + 1));
        if (c.topstrength < c.lastguess)
            c.topstrength = checked(c.lastguess - c.guessspan / Power(2, k + 1));
        c.lastguess = c.topstrength;
        c.productamount = checked(E(c) / heatofvaporization(c.topstrength) / c.refluxfactor);
        c.productalcohol = checked(c.productamount * c.topstrength);
    }

    c.vapourup = c.boilervapour;
    c.alcoholup = c.boileralcohol;
    for (int i = 1; i <= c.plates; ++i) {
        c.platecounter = i;
        c.liquiddown = checked(c.vapourup - c.productamount);
        if (!(c.liquiddown > 0)) c.liquiddown = 1;
        c.alcoholdown = checked(c.alcoholup - c.productalcohol);
        c.platestrength = checked(c.alcoholdown / c.liquiddown);
        c.refluxtable[i] = c.liquiddown;
        c.vapourtable[i] = checked(vapourstrength(c.platestrength));
        c.liquidtable[i] = c.platestrength;
        c.temperaturetable[i] = checked(temperature(vapourstrength(c.platestrength)));
        c.vapourup = checked(E(c) / heatofvaporization(vapourstrength(c.platestrength)));
        c.alcoholup = checked(vapourstrength(c.platestrength) * c.vapourup);
    }

    if (c.plates >= 1 && std::fabs(c.vapourtable[c.plates] - c.topstrength) > 0.0005L)
        ReferenceResolveTopDown(c);
}

void ReferenceResolveTopDown(Column& c) {
    if (c.plates < 1) return;
    long double strengthabove = c.topstrength;
    for (int n = c.plates; n >= 1; --n) {
        long double trialstrength = 0.5L;
        long double trialvapour = 0;
        for (int j = 1; j <= 100; ++j) {
            trialvapour = checked(E(c) / heatofvaporization(vapourstrength(trialstrength)));
            const long double alcoholbalance = checked(
                vapourstrength(trialstrength) * trialvapour -
                (trialvapour - c.productamount) * strengthabove - c.productamount * c.topstrength);
            if (alcoholbalance > 0) trialstrength = checked(trialstrength - 1 / Power(2, j + 1));
            if (alcoholbalance < 0) trialstrength = checked(trialstrength + 1 / Power(2, j + 1));
        }
        strengthabove = trialstrength;
        c.refluxtable[n] = checked(trialvapour - c.productamount);
        c.vapourtable[n] = checked(vapourstrength(trialstrength));
        c.liquidtable[n] = trialstrength;
        c.temperaturetable[n] = checked(temperature(vapourstrength(trialstrength)));
    }
}

}  // namespace colmara::testing
