#include "cli/companionrun.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "cli/companion.h"

extern char** environ;

namespace colmara::test {

namespace {

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const std::string& e : extra) replaced |= e.substr(0, e.find('=')) == name;
        if (!replaced) merged.push_back(text);
    }
    merged.insert(merged.end(), extra.begin(), extra.end());
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& t : texts) pointers.push_back(t.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The program's argument vector, started through the shell when there is
// setup to run first.
std::vector<std::string> CommandLine(const std::vector<std::string>& args,
                                     const SpawnOptions& options) {
    std::vector<std::string> argv;
    if (!options.shellSetup.empty())
        argv = {"/bin/sh", "-c", options.shellSetup + "; exec \"$0\" \"$@\""};
    argv.push_back(COLMARA_REPORT_PROGRAM);
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

pid_t Start(std::vector<std::string> argv, const SpawnOptions& options, int outPipe[2],
            int errPipe[2]) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (options.stdoutPath.empty())
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);

    std::vector<std::string> envp = MergedEnvironment(options.environment);
    auto argvPointers = Pointers(argv);
    auto envPointers = Pointers(envp);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argvPointers[0], &actions, nullptr, argvPointers.data(),
                                    envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    if (spawned != 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        throw std::runtime_error(std::string("cannot start the program: ") +
                                 std::strerror(spawned));
    }
    return pid;
}

// Reads both pipes until both are closed, so that neither can fill up, and
// interrupts or hangs up on the program when asked to.
void Collect(pid_t pid, const SpawnOptions& options, int outFd, int errFd, CompanionRun& run) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* targets[2] = {&run.out, &run.err};
    bool interrupted = false;
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, options.interruptWhen ? 20 : -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) targets[i]->append(buffer, static_cast<std::size_t>(n));
            const bool hangUp =
                i == 0 && options.closeAfter > 0 && run.out.size() >= options.closeAfter;
            if (n == 0 || (n < 0 && errno != EINTR) || hangUp) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
        const bool due = (options.interruptAfter > 0 && run.out.size() >= options.interruptAfter) ||
                         (options.interruptWhen && options.interruptWhen());
        if (due && !interrupted) {
            kill(pid, options.interruptSignal);
            interrupted = true;
        }
    }
}

}  // namespace

CompanionRun CallCompanion(const std::vector<std::string>& args, const FormatSettings& settings) {
    std::ostringstream out;
    std::ostringstream err;
    CompanionRun run;
    run.exitCode = RunCompanion(args, settings, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

CompanionRun SpawnCompanion(const std::vector<std::string>& args, const SpawnOptions& options) {
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = Start(CommandLine(args, options), options, outPipe, errPipe);
    CompanionRun run;
    Collect(pid, options, outPipe[0], errPipe[0], run);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.exitCode = WIFEXITED(status)     ? WEXITSTATUS(status)
                   : WIFSIGNALED(status) ? 128 + WTERMSIG(status)
                                         : -1;
    return run;
}

CompanionRun SpawnCompanion(const std::vector<std::string>& args,
                            const std::vector<std::string>& environment) {
    SpawnOptions options;
    options.environment = environment;
    return SpawnCompanion(args, options);
}

}  // namespace colmara::test
