#include "ui/companionprogram.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace colmara::test {

// Spawned rather than started with QProcess: posix_spawn is what the
// ThreadSanitizer build of these tests can follow.
std::string CompanionOutput(const std::vector<std::string>& args, bool comma) {
    std::vector<std::string> environment = {comma ? "LC_ALL=de_DE.UTF-8" : "LC_ALL=C"};
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::strncmp(*entry, "LC_ALL=", 7) != 0) environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<std::string> argv = {COLMARA_REPORT_PROGRAM};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argvPointers;
    for (std::string& arg : argv) argvPointers.push_back(arg.data());
    argvPointers.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) {
        ADD_FAILURE() << "no pipe for colmara-report";
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, argvPointers[0], &actions, nullptr, argvPointers.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; spawned == 0 && (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno != EINTR) break;
        if (n > 0) output.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    EXPECT_EQ(spawned, 0) << "cannot run " << argv[0];
    int status = 0;
    if (spawned == 0) waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "colmara-report " << args[0];
    return output;
}

}  // namespace colmara::test
