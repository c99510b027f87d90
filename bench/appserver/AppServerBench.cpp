// The cost of a job submission against the bare transport: a msgpack call
// echoing a realistic KTXR58 job parameter array, and Request with the same
// array (checked and stored with its job number before the answer leaves),
// each with 1 and with 8 clients over loopback against one kwappserver.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/RpcClient.h"
#include "tests/appserver/SampleJobParams.h"
#include "tests/appserver/ServerProcess.h"

namespace {

using namespace kw;

const char* const ServerClass = "ReportCounterS.dmReportCounter";

int ServerPort() {
    static testing::TTempFolder folder;
    static testing::TServerProcess server(folder.File("Company.db"), folder.File("server.log"));
    return server.Port();
}

std::shared_ptr<TRpcClient> Connect() {
    auto client = std::make_shared<TRpcClient>();
    client->Connect("127.0.0.1", ServerPort());
    return client;
}

void BM_Echo(benchmark::State& state) {
    auto client = Connect();
    const Variant params = testing::Ktxr58JobParams();
    for (auto _ : state) {
        Args args{params};
        benchmark::DoNotOptimize(client->Call("@Echo", args));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Request(benchmark::State& state) {
    auto client = Connect();
    AutoRef server = OpenRemoteObject(client, ServerClass);
    const Variant params = testing::Ktxr58JobParams("USER" + std::to_string(state.thread_index()));
    for (auto _ : state) {
        Args args{params};
        Variant jobNo = server->Invoke("Request", args);
        if (VarToStr(jobNo) == "ERROR") state.SkipWithError("Request answered ERROR");
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_Echo)->Threads(1)->Threads(8)->UseRealTime();
BENCHMARK(BM_Request)->Threads(1)->Threads(8)->UseRealTime();

}  // namespace
