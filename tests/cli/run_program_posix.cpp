#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

#include "tests/cli/run_program.h"

namespace quorrith::test {

std::filesystem::path QuorrithCliPath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "quorrith-cli";
}

ProgramResult RunQuorrithCli(const ProgramRun& run) {
    // Everything the child needs is made before fork: after it, only system calls.
    const std::string program = QuorrithCliPath().string();
    std::vector<std::string> argumentStore{program};
    argumentStore.insert(argumentStore.end(), run.arguments.begin(), run.arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argumentStore) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const std::string folder = run.workingFolder.string();

    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("fork");
    if (child == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(126);
        if (run.fileSizeLimit > 0) {
            // Past the limit a write fails with EFBIG instead of killing the program.
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(run.fileSizeLimit), static_cast<rlim_t>(run.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);

    ProgramResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace quorrith::test
