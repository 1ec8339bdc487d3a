// The fast solver (skipped repeats, unchecked passes replayed on a fault)
// against the literal one, bit for bit, over varied inputs: at an efficiency
// of 1 the literal one is the model's own statements, so ideal plates give
// the results they gave before there was an efficiency.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <random>
#include <sstream>

#include "model/column.h"
#include "model/column_compare.h"
#include "model/properties.h"
#include "model/reference_solver.h"
#include "runtime/exceptions.h"

namespace colmara {
namespace {

using test::FirstDifference;

class Inputs {
  public:
    explicit Inputs(unsigned seed) : random_(seed) {}

    std::int32_t Power() {
        switch (Pick(6)) {
            case 0:
                return 0;
            case 1:
                return INT_MAX - Pick(3);
            case 2:
                return -Pick(5000);
            case 3:
                return 596000 + Pick(1000);
            default:
                return Pick(5000);
        }
    }
    long double Strength() {
        switch (Pick(10)) {
            case 0:
                return 0;
            case 1:
                return -Uniform() * 2;
            case 2:
                return 1 + Uniform() * 5;  // above 100 %
            case 3:
                return Pick(2) != 0 ? 1e300L : LDBL_MAX;
            default:
                return Uniform() * (Pick(2) != 0 ? 1 : 0.1L);
        }
    }
    std::int32_t Plates() { return Pick(101); }
    // The reflux ratio entered plus one.
    long double RefluxFactor() {
        switch (Pick(10)) {
            case 0:
                return 0;  // reflux ratio -1
            case 1:
                return 1;  // reflux ratio 0
            case 2:
                return -Uniform() * 20;
            case 3:
                return Pick(2) != 0 ? 1e4000L : LDBL_MIN;
            default:
                return 1 + Uniform() * 30;
        }
    }
    // Ideal plates half the time; otherwise any efficiency the column takes,
    // its ends, or one it refuses.
    long double Efficiency() {
        switch (Pick(12)) {
            case 0:
                return kLeastEfficiency;
            case 1:
                return Pick(2) != 0 ? 0.0099L : 1.0000001L;
            case 2:
                return 1 - LDBL_EPSILON;
            case 3:
            case 4:
            case 5:
            case 6:
                return kLeastEfficiency + Uniform() * (1 - kLeastEfficiency);
            default:
                return 1;
        }
    }
    long double Uniform() { return std::uniform_real_distribution<long double>(0, 1)(random_); }
    std::int32_t Pick(std::int32_t n) {
        return std::uniform_int_distribution<std::int32_t>(0, n - 1)(random_);
    }

  private:
    std::mt19937_64 random_;
};

// A column as an earlier calculation could have left it.
void Prefill(Column& c, Inputs& in) {
    long double* fields[] = {&c.boilervapour,   &c.boileralcohol, &c.guessspan,
                             &c.topstrength,    &c.lastguess,     &c.productamount,
                             &c.productalcohol, &c.vapourup,      &c.alcoholup,
                             &c.liquiddown,     &c.alcoholdown,   &c.platestrength};
    for (long double* f : fields) *f = in.Uniform() * 3000 - 1000;
    c.passcounter = in.Pick(1001);
    c.platecounter = in.Pick(101);
    for (int i = 1; i <= kMaxPlates; ++i)
        c.SetPlate(i, {in.Uniform() * 3000, in.Uniform(), in.Uniform(), 80 + in.Uniform() * 20});
}

// Runs one solver and returns "" or the class and message of its exception.
template <typename Solver>
std::string Outcome(Solver solve) {
    try {
        solve();
        return "";
    } catch (const Exception& e) {
        return std::string(e.ClassName()) + ": " + e.Message();
    }
}

class BitIdentity : public ::testing::TestWithParam<unsigned> {};

TEST_P(BitIdentity, FastSolveMatchesTheLiteralLoops) {
    Inputs in(GetParam());
    int faults = 0;
    for (int run = 0; run < 50; ++run) {
        Column fast;
        if (run % 2 == 1) Prefill(fast, in);
        fast.power = in.Power();
        fast.boilerstrength = in.Strength();
        fast.plates = in.Plates();
        fast.refluxfactor = in.RefluxFactor();
        fast.efficiency = in.Efficiency();
        Column literal = fast;

        const std::string fastOutcome = Outcome([&] { fast.Solve(); });
        const std::string literalOutcome = Outcome([&] { test::ReferenceSolve(literal); });
        if (!literalOutcome.empty()) ++faults;

        std::ostringstream inputs;
        inputs.precision(21);
        inputs << "power " << fast.power << ", strength " << fast.boilerstrength << ", plates "
               << fast.plates << ", refluxfactor " << fast.refluxfactor << ", efficiency "
               << fast.efficiency;
        ASSERT_EQ(fastOutcome, literalOutcome) << inputs.str();
        ASSERT_EQ(FirstDifference(fast, literal), "") << inputs.str();
    }
    // The mix of inputs must exercise the fault paths too.
    EXPECT_GT(faults, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, BitIdentity, ::testing::Range(1U, 7U));

// Columns as a study sweeps them, where plates below an efficiency of 1 make
// most passes stop early or form the vapours held at the ceiling without
// their flows: the fast solver still gives the literal one's every bit, at
// the efficiencies a study is most often run at and at any other.
TEST_P(BitIdentity, PassesThatStopEarlyBelowIdealPlatesChangeNoBit) {
    Inputs in(GetParam() + 100);
    const long double efficiencies[] = {0.9L, 0.7L, 0.5L, 0.3L};
    for (int run = 0; run < 12; ++run) {
        Column fast;
        fast.power = 300 + in.Pick(3000);
        fast.boilerstrength = 0.005L + in.Uniform() * 0.4L;
        fast.plates = 2 + in.Pick(79);
        fast.refluxfactor = 1.2L + in.Uniform() * 10;
        fast.efficiency = run % 5 == 4 ? kLeastEfficiency + in.Uniform() * (1 - kLeastEfficiency)
                                       : efficiencies[run % 5];
        Column literal = fast;
        fast.Solve();
        test::ReferenceSolve(literal);
        std::ostringstream inputs;
        inputs.precision(21);
        inputs << "power " << fast.power << ", strength " << fast.boilerstrength << ", plates "
               << fast.plates << ", refluxfactor " << fast.refluxfactor << ", efficiency "
               << fast.efficiency;
        ASSERT_EQ(FirstDifference(fast, literal), "") << inputs.str();
    }
}

// Solves a copy of `start` both ways and compares outcome and state.
void ExpectSameSolve(const Column& start, const char* what) {
    Column fast = start;
    Column literal = start;
    const std::string fastOutcome = Outcome([&] { fast.Solve(); });
    const std::string literalOutcome = Outcome([&] { test::ReferenceSolve(literal); });
    EXPECT_EQ(fastOutcome, literalOutcome) << what;
    EXPECT_EQ(FirstDifference(fast, literal), "") << what;
}

TEST(BitIdentityAtTheEdges, FaultsPinchesAndEndlessBisections) {
    const struct {
        const char* what;
        std::int32_t power;
        long double strength;
        std::int32_t plates;
        long double refluxfactor;
    } rows[] = {
        {"overflow in the first product", 1000, 0.01L, 10, 1e-4929L},
        {"overflow in the product of pass 1", 1000, 0.05L, 10, -4e-4929L},
        {"overflow in the final pass", 1000, 0.01L, 10, 3e-4929L},
        {"division by zero in the product", 1000, 0.2L, 15, 0},
        {"invalid operation in the product", 0, 0.2L, 15, 0},
        {"no alcohol: the guess halves 1000 times", 1000, 0, 20, 16},
        {"negative strength", 1000, -0.5L, 100, 16},
        {"pinch over 100 plates", 1000, 0.2L, 100, 2},
        {"whole top vapour as product", 1000, 0.2L, 40, 1},
        {"initial inputs", 1000, 0.01L, 20, 16},
        {"no power", 0, 0.01L, 100, 16},
        {"largest power", INT_MAX, 0.3L, 50, 3},
        {"pot still", 1000, 0.3L, 0, 3},
        {"one plate", 1000, 0.3L, 1, 3},
    };
    Inputs in(99);
    for (const auto& row : rows) {
        Column start;
        start.power = row.power;
        start.boilerstrength = row.strength;
        start.plates = row.plates;
        start.refluxfactor = row.refluxfactor;
        ExpectSameSolve(start, row.what);
        Prefill(start, in);
        ExpectSameSolve(start, row.what);
    }
}

TEST(BitIdentityAtTheEdges, FaultsInsideThePassesStopAtTheirPass) {
    // A negative reflux factor just above the extended minimum: the product
    // grows as the guess rises and overflows in the pass the row names, so
    // the fast solver replays that pass, not the first, with checks.
    const struct {
        long double refluxfactor;
        std::int32_t pass;
        std::int32_t plate;
    } rows[] = {
        {-2.5e-4929L, 1, 5},
        {-3.0e-4929L, 2, 5},
        {-3.6e-4929L, 3, 5},
        {3.5e-4929L, 1000, 1},  // in the final pass, after the skipped passes
    };
    for (const auto& row : rows) {
        Column start;
        start.power = 1000;
        start.boilerstrength = 0.01L;
        start.plates = 5;
        start.refluxfactor = row.refluxfactor;
        Column fast = start;
        Column literal = start;
        const std::string fastOutcome = Outcome([&] { fast.Solve(); });
        const std::string literalOutcome = Outcome([&] { test::ReferenceSolve(literal); });
        EXPECT_EQ(literalOutcome, "EOverflow: Floating point overflow") << row.refluxfactor;
        EXPECT_EQ(literal.passcounter, row.pass) << row.refluxfactor;
        EXPECT_EQ(literal.platecounter, row.plate) << row.refluxfactor;
        EXPECT_EQ(fastOutcome, literalOutcome) << row.refluxfactor;
        EXPECT_EQ(FirstDifference(fast, literal), "") << row.refluxfactor;
    }
}

TEST(BitIdentityAtTheEdges, ResolveFaultStopsAtTheFaultingPlate) {
    // The vapour of the trial strength 0.5 at 1 W, as the first step makes it.
    const long double firstVapour = 3600 / heatofvaporization(vapourstrength(0.5L));
    const struct {
        const char* what;
        std::int32_t power;
        long double topstrength;
        long double productamount;
    } rows[] = {
        // The product's ethanol overflows in the first step's balance.
        {"overflow in the first step", 1000, 1.5L, LDBL_MAX},
        // The first step's balance just fits; it is negative, so the trial
        // strength rises, the vapour mass with it, and a later step overflows.
        {"overflow in a later step", 1, LDBL_MAX / firstVapour * 0.999L, 0},
    };
    for (const auto& row : rows) {
        Column start;
        start.power = row.power;
        start.plates = 3;
        start.topstrength = row.topstrength;
        start.productamount = row.productamount;
        Column fast = start;
        Column literal = start;
        const std::string fastOutcome = Outcome([&] { fast.ResolveTopDown(); });
        const std::string literalOutcome = Outcome([&] { test::ReferenceResolveTopDown(literal); });
        EXPECT_EQ(fastOutcome, "EOverflow: Floating point overflow") << row.what;
        EXPECT_EQ(fastOutcome, literalOutcome) << row.what;
        EXPECT_EQ(FirstDifference(fast, literal), "") << row.what;
    }
}

}  // namespace
}  // namespace colmara
