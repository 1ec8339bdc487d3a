// Speed of the companion tool as whole processes: a 2,000-row sweep per row
// against one separate run for one case, and goal seeks at 100 plates.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace colmara {
namespace {

// Starts colmara-report with `args` (its output thrown away) and waits for it;
// false when it could not start or did not exit with `status`.
bool RunProgram(std::vector<std::string> args, int status) {
    args.insert(args.begin(), COLMARA_REPORT_PROGRAM);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int exit = 0;
    return started && waitpid(pid, &exit, 0) == pid && WIFEXITED(exit) &&
           WEXITSTATUS(exit) == status;
}

void RunEach(benchmark::State& state, const std::vector<std::string>& args, int rows,
             int status = 0) {
    for (auto _ : state) {
        if (!RunProgram(args, status)) {
            state.SkipWithError("colmara-report did not end as expected");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

// 10 strengths x 40 plate counts (20 to 59) x 5 reflux ratios, every core.
void BM_SweepProcess2000Rows(benchmark::State& state) {
    RunEach(state, {"sweep", "--strength", "1:10", "--plates", "20:59", "--reflux", "1:5"}, 2000);
}
BENCHMARK(BM_SweepProcess2000Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

// One case from the middle of that grid as a plain run of its own.
void BM_SeparateProcessOneCase(benchmark::State& state) {
    RunEach(state, {"--strength", "5", "--plates", "40", "--reflux", "3"}, 1);
}
BENCHMARK(BM_SeparateProcessOneCase)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SeekProcess100Plates(benchmark::State& state, std::vector<std::string> args, int status) {
    args.insert(args.end(), {"--plates", "100"});
    RunEach(state, args, 1, status);
}
BENCHMARK_CAPTURE(BM_SeekProcess100Plates, reflux,
                  {"seek", "--vary", "reflux", "--target-strength", "95", "--strength", "10"}, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_SeekProcess100Plates, power,
                  {"seek", "--vary", "power", "--target-amount", "2000", "--strength", "10"}, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_SeekProcess100Plates, reflux_unreachable,
                  {"seek", "--vary", "reflux", "--target-strength", "97", "--strength", "10"}, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace colmara
