// The TCP transport on its own: arguments written by the server object come
// back to the caller's variables, errors arrive as texts, and a connection
// serves only classes registered in the server.
#include <gtest/gtest.h>

#include <thread>

#include "appserver/RpcServer.h"
#include "platform/RpcClient.h"
#include "platform/SocketConn.h"

namespace kw {
namespace {

const char* const TestClass = "KwTest.ByReference";

// Doubles its first argument in place and appends to its second.
class TByReference : public DispatchObject {
public:
    TByReference() : DispatchObject(TestClass) {
        AddMethod("Twice", [](Args& args) {
            args[0] = Variant(args[0].toInt() * 2);
            args[1] = Variant(VarToWideStr(args[1]) + u"!");
            return Variant(u"done");
        });
        AddMethod("Fail", [](Args&) -> Variant { throw EOleError("Fail: refused on purpose"); });
    }
};

AutoClassRegistrar registrar(TestClass, [] { return std::make_shared<TByReference>(); });

class RpcTransportTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = std::make_unique<TRpcServer>("127.0.0.1", 0, 2, [](const std::string&) {});
        worker = std::thread([this] { server->Run(); });
    }
    void TearDown() override {
        server->Stop();
        worker.join();
    }
    std::unique_ptr<TRpcServer> server;
    std::thread worker;
};

TEST_F(RpcTransportTest, ArgumentsChangedByTheServerComeBack) {
    TSocketConnection connection(nullptr);
    connection.SetAddress("localhost");
    connection.SetPort(server->Port());
    connection.SetServerName(TestClass);
    connection.Open();
    ASSERT_TRUE(connection.Connected());
    Args args{Variant(21), Variant(u"方案"), Variant::ArrayOf({Variant(1)})};
    Variant result = connection.AppServer().toObject()->Invoke("Twice", args);
    EXPECT_TRUE(result == Variant(u"done"));
    EXPECT_EQ(args[0].toInt(), 42);
    EXPECT_TRUE(args[1] == Variant(u"方案!"));
    EXPECT_TRUE(args[2] == Variant::ArrayOf({Variant(1)}));

    try {
        connection.AppServer().toObject()->Invoke("Fail", args);
        ADD_FAILURE() << "no error";
    } catch (const EOleError& e) {
        EXPECT_STREQ(e.what(), "Fail: refused on purpose");
    }
    connection.Close();
    EXPECT_FALSE(connection.Connected());
    EXPECT_TRUE(connection.AppServer().isEmpty());
}

TEST_F(RpcTransportTest, OnlyRegisteredClassesAreServed) {
    auto client = std::make_shared<TRpcClient>();
    client->Connect("127.0.0.1", server->Port());
    EXPECT_THROW(OpenRemoteObject(client, "Shell.Anything"), EOleError);
    Args args{Variant(1)};
    EXPECT_THROW(client->Call("Twice", args), EOleError);  // no object opened
    EXPECT_TRUE(client->Connected());
}

TEST_F(RpcTransportTest, AStoppedServerGivesAnErrorNotAHang) {
    auto client = std::make_shared<TRpcClient>();
    client->Connect("127.0.0.1", server->Port());
    AutoRef object = OpenRemoteObject(client, TestClass);
    server->Stop();
    worker.join();
    server.reset();  // closes the connections
    Args args{Variant(1), Variant(u"")};
    EXPECT_THROW(object->Invoke("Twice", args), EOleError);
    EXPECT_FALSE(client->Connected());
    server = std::make_unique<TRpcServer>("127.0.0.1", 0, 1, [](const std::string&) {});
    worker = std::thread([this] { server->Run(); });
}

TEST(RpcClientTest, ConnectingWhereNoServerListensRaises) {
    uint16_t port = 0;
    {
        TRpcServer probe("127.0.0.1", 0, 1, [](const std::string&) {});
        port = probe.Port();
    }
    TSocketConnection connection(nullptr);
    connection.SetAddress("localhost");
    connection.SetPort(port);
    connection.SetServerName(TestClass);
    EXPECT_THROW(connection.Open(), EOleError);
    EXPECT_FALSE(connection.Connected());
}

}  // namespace
}  // namespace kw
