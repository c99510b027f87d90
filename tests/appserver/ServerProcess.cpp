#include "tests/appserver/ServerProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kw::testing {

namespace {

// The descriptors are opened close-on-exec; dup2 hands the child its copies.
pid_t Spawn(const std::vector<std::string>& args, int stdoutFd, int stderrFd) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(stdoutFd, STDOUT_FILENO);
        dup2(stderrFd, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// The exit code, or -1 when the process is still running after timeoutMs
// (it is then killed).
int WaitExit(pid_t pid, int timeoutMs) {
    int status = 0;
    for (int waited = 0;; waited += 10) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) return -1;
        if (waited >= timeoutMs) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        usleep(10000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TTempFolder::TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kwappserver-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TTempFolder::~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

TServerProcess::TServerProcess(const std::string& database, const std::string& logFile) : logFile_(logFile) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    int log = open(logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    pid_ = Spawn({KWAPPSERVER_PATH, "--listen", "127.0.0.1:0", "--database", database, "--threads", "8"}, out[1], log);
    close(out[1]);
    close(log);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    const std::string prefix = "listening on 127.0.0.1:";
    if (line.rfind(prefix, 0) != 0) {
        Stop();
        throw std::runtime_error("kwappserver did not start: " + line + " / " + Log());
    }
    port_ = std::stoi(line.substr(prefix.size()));
}

TServerProcess::~TServerProcess() { Stop(); }

int TServerProcess::Stop() {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    int code = WaitExit(pid_, 20000);
    pid_ = -1;
    return code;
}

std::string TServerProcess::Log() const { return ReadFile(logFile_); }

int RunServerOnce(const std::string& database, std::string& errorText) {
    std::string errFile = (std::filesystem::temp_directory_path() / ("kwappserver-err-" + std::to_string(getpid()))).string();
    int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    int devnull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    pid_t pid = Spawn({KWAPPSERVER_PATH, "--listen", "127.0.0.1:0", "--database", database}, devnull, err);
    close(err);
    close(devnull);
    int code = WaitExit(pid, 20000);
    errorText = ReadFile(errFile);
    std::remove(errFile.c_str());
    return code;
}

}  // namespace kw::testing
