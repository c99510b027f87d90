// kwappserver under bad input and load: malformed, truncated and oversized
// frames close only their own connection, eight clients work at once, and
// afterwards every committed scheme and job is in an intact database.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <mutex>
#include <set>
#include <thread>

#include "appserver/JobStore.h"
#include "platform/RpcCodec.h"
#include "platform/SysUtils.h"
#include "tests/appserver/AppServerClient.h"
#include "tests/appserver/SampleJobParams.h"

namespace kw::testing {
namespace {

// A plain socket to the server for sending raw bytes.
class TRawClient {
public:
    explicit TRawClient(int port) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ADD_FAILURE() << "connect";
        timeval timeout{10, 0};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    }
    ~TRawClient() { close(fd_); }

    void Send(const std::string& bytes) { send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    void EndSending() { shutdown(fd_, SHUT_WR); }
    // True when the server closed the connection (end of stream or reset)
    // without answering.
    bool ClosedByServer() {
        char byte;
        ssize_t got = recv(fd_, &byte, 1, 0);
        return got == 0 || (got < 0 && errno == ECONNRESET);
    }

private:
    int fd_ = -1;
};

std::string Header(uint32_t length) {
    std::string header(4, '\0');
    for (int i = 3; i >= 0; --i, length >>= 8) header[i] = static_cast<char>(length & 0xFF);
    return header;
}

struct BadFrameCase {
    const char* label;
    std::string bytes;
    bool endSending;
    const char* logged;
};

std::vector<BadFrameCase> BadFrames() {
    std::string request = EncodeRequestFrame(TRpcRequest{1, "SQLType", {}});
    return {
        {"oversized", Header(static_cast<uint32_t>(RpcMaxFrameBytes) + 1) + "xx", false, "oversized frame"},
        {"huge", Header(0xFFFFFFFFu), false, "oversized frame"},
        {"empty body", Header(0), false, "malformed frame: empty body"},
        {"garbage body", Header(6) + "\xc1\xc1\xc1\xc1\xc1\xc1", false, "malformed frame"},
        {"not a request", Header(3) + "\x93\x01\x02", false, "malformed frame"},
        {"truncated body", request.substr(0, request.size() - 2), true, "truncated frame"},
        {"truncated header", Header(10).substr(0, 2), true, "truncated frame"},
    };
}

TEST(ServerFaultTest, BadFramesCloseTheirConnectionWhileEightClientsKeepWorking) {
    TTempFolder folder;
    TServerProcess server(folder.File("Company.db"), folder.File("server.log"));

    constexpr int Clients = 8;
    constexpr int Rounds = 12;
    std::mutex mutex;
    std::vector<std::string> jobs;
    std::vector<std::pair<std::string, std::string>> schemes;  // user, name
    std::vector<std::string> failures;

    std::vector<std::thread> threads;
    for (int c = 0; c < Clients; ++c) {
        threads.emplace_back([&, c] {
            try {
                auto connection = ConnectTcp(server.Port());
                const std::string user = "USER" + std::to_string(c);
                for (int r = 0; r < Rounds; ++r) {
                    const std::string name = "方案" + std::to_string(r);
                    std::string error = Utf8Of(Call(*connection, "InsertConTable",
                                                    {Variant::ArrayOf({Data(name), Data(user), Data("20240101"),
                                                                       Data("KTXR58"), Data("a.text;"), Data(name),
                                                                       Variant(false)})}));
                    std::string jobNo = Utf8Of(Call(*connection, "Request", {Ktxr58JobParams(user)}));
                    std::lock_guard<std::mutex> lock(mutex);
                    if (error.empty()) schemes.emplace_back(user, name);
                    else failures.push_back(user + " " + name + ": " + error);
                    if (jobNo != "ERROR") jobs.push_back(jobNo);
                    else failures.push_back(user + " job refused");
                }
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(mutex);
                failures.push_back(e.what());
            }
        });
    }
    for (const BadFrameCase& bad : BadFrames()) {
        TRawClient raw(server.Port());
        raw.Send(bad.bytes);
        if (bad.endSending) raw.EndSending();
        EXPECT_TRUE(raw.ClosedByServer()) << bad.label;
    }
    for (std::thread& t : threads) t.join();

    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(schemes.size(), static_cast<size_t>(Clients * Rounds));
    EXPECT_EQ(std::set<std::string>(jobs.begin(), jobs.end()).size(), jobs.size()) << "job numbers repeat";
    EXPECT_EQ(jobs.size(), static_cast<size_t>(Clients * Rounds));

    // The server still answers, and has everything that was committed.
    auto check = ConnectTcp(server.Port());
    for (int c = 0; c < Clients; ++c) {
        const std::string user = "USER" + std::to_string(c);
        Call(*check, "LoadTable", {Variant::ArrayOf({Data(user), Data("KTXR58")})});
        Variant packet = Call(*check, "AS_GetRecords", {Variant(SchemeProviderName)});
        EXPECT_EQ(packet[1].array().size(), static_cast<size_t>(Rounds)) << user;
    }
    EXPECT_EQ(server.Stop(), 0);

    auto db = OpenCompanyDb(folder.File("Company.db"));
    EXPECT_EQ(DbText(db->Query("PRAGMA integrity_check").rows.at(0).at(0)), "ok");
    EXPECT_TRUE(db->Query("PRAGMA foreign_key_check").empty());
    TJobStore store(*db);
    for (const std::string& jobNo : jobs) {
        auto job = store.Find(jobNo);
        ASSERT_TRUE(job) << jobNo;
        EXPECT_EQ(job->Params.high(), 2) << jobNo;
        EXPECT_EQ(WideToUtf8(job->Params[0][5].toWide()), job->UserId) << jobNo;
    }
    for (const auto& [user, name] : schemes)
        EXPECT_FALSE(db->Query("SELECT 1 FROM CONSAVE WHERE CREATOR = ? AND NCONDITION = ?", {user, name}).empty())
            << user << " " << name;

    const std::string log = server.Log();
    for (const BadFrameCase& bad : BadFrames())
        EXPECT_NE(log.find(bad.logged), std::string::npos) << bad.label << " not logged:\n" << log;
}

}  // namespace
}  // namespace kw::testing
