// Runs kwappserver as a child process for tests and benchmarks: listens on
// 127.0.0.1 with a port the system picks, logs into a file, and is stopped
// with SIGTERM.
#pragma once

#include <string>
#include <vector>
#include <sys/types.h>

namespace kw::testing {

// A fresh folder under the system's temporary folder, removed on destruction.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

class TServerProcess {
public:
    // Starts kwappserver on database; raises std::runtime_error when it does
    // not report its port.
    TServerProcess(const std::string& database, const std::string& logFile);
    ~TServerProcess();

    int Port() const { return port_; }
    // Stops the server (SIGTERM) and answers its exit code.
    int Stop();
    std::string Log() const;

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string logFile_;
};

// Runs kwappserver on a database it cannot open and answers its exit code
// (-1 when it was still running after 20 s); stderr is kept in errorText.
int RunServerOnce(const std::string& database, std::string& errorText);

}  // namespace kw::testing
