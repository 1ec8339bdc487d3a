// Speed of one press of "Calculate" (read the fields, solve, write the
// report), and of a whole run of the companion tool as a separate process.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/fpcheck.h"

extern char** environ;

namespace colmara {
namespace {

void RunCalculate(benchmark::State& state, const InputTexts& inputs) {
    InitFloatingPoint();
    const FixedReportOptions options;
    const FormatSettings settings;
    for (auto _ : state) {
        Column column;
        ReportCollector sink;
        Calculate(column, inputs, sink, options, settings);
        benchmark::DoNotOptimize(sink.ChartPoints().data());
    }
}

void BM_CalculateInitialInputs(benchmark::State& state) {
    RunCalculate(state, InputTexts{});
}
BENCHMARK(BM_CalculateInitialInputs)->Unit(benchmark::kMillisecond);

void BM_Calculate100Plates(benchmark::State& state) {
    RunCalculate(state, InputTexts{"1000", "1", "100", "15"});
}
BENCHMARK(BM_Calculate100Plates)->Unit(benchmark::kMillisecond);

// Start, calculation, output and exit of colmara-report for 100 plates,
// with its output thrown away.
void BM_CompanionProcess100Plates(benchmark::State& state) {
    char program[] = COLMARA_REPORT_PROGRAM;
    char plates[] = "--plates=100";
    char* argv[] = {program, plates, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start colmara-report");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("colmara-report failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CompanionProcess100Plates)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace colmara
