// kwappserver: the application server stand-in.
//
//   kwappserver --listen HOST:PORT --database PATH [--threads N]
//
// Opens (creating and seeding when new) the company database, then serves
// the remote object "ReportCounterS.dmReportCounter" over TCP until SIGINT or
// SIGTERM. Prints "listening on HOST:PORT" once ready (PORT 0 picks a free
// port and prints the chosen one). Exit codes: 0 after a stop by signal,
// 2 when the database cannot be opened, 3 when the address cannot be
// listened on, CLI11's codes for bad options.
#include <CLI/CLI.hpp>

#include <iostream>
#include <thread>

#include "appserver/CompanyDb.h"
#include "appserver/ReportCounter.h"
#include "appserver/RpcServer.h"

namespace {

bool SplitListen(const std::string& listen, std::string& host, uint16_t& port) {
    const size_t colon = listen.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == listen.size()) return false;
    host = listen.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    const std::string digits = listen.substr(colon + 1);
    if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    const unsigned long value = std::stoul(digits);
    if (value > 65535) return false;
    port = static_cast<uint16_t>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Application server stand-in: serves " + std::string(kw::ReportCounterClassName) + " over TCP"};
    std::string listen;
    std::string database;
    int threads = static_cast<int>(std::max(4u, 2 * std::thread::hardware_concurrency()));
    app.add_option("--listen", listen, "address to listen on, HOST:PORT (PORT 0 = any free port)")->required();
    app.add_option("--database", database, "company database file (created and seeded when missing)")->required();
    app.add_option("--threads", threads, "worker threads")->check(CLI::Range(1, 256));
    CLI11_PARSE(app, argc, argv);

    std::string host;
    uint16_t port = 0;
    if (!SplitListen(listen, host, port)) {
        std::cerr << "kwappserver: --listen wants HOST:PORT, got \"" << listen << "\"\n";
        return 3;
    }
    try {
        kw::SetCompanyDbPath(database);
        kw::OpenCompanyDb();
    } catch (const std::exception& e) {
        std::cerr << "kwappserver: " << e.what() << "\n";
        return 2;
    }
    try {
        kw::TRpcServer server(host, port, threads, kw::LogToStderr);
        server.StopOnSignals();
        std::cout << "listening on " << host << ":" << server.Port() << std::endl;
        kw::LogToStderr("serving " + database + " on " + host + ":" + std::to_string(server.Port()));
        server.Run();
    } catch (const std::exception& e) {
        std::cerr << "kwappserver: " << e.what() << "\n";
        return 3;
    }
    return 0;
}
