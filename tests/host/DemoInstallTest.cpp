// The demo installation of scripts/demo-install.sh, read by the readers the
// module and the shell use.
#include <gtest/gtest.h>

#include "host/HostObject.h"
#include "platform/Automation.h"
#include "platform/FilePaths.h"
#include "services/BatonINI.h"
#include "tests/host/HostTestSupport.h"

namespace kw::testing {
namespace {

TEST(DemoInstallation, SettingsNameTheInProcessServerAndTheInstallFolders) {
    DemoInstallation demo;
    ASSERT_TRUE(demo.Ready());
    TBatonIniC client;
    EXPECT_EQ(client.ErrorCode, "");
    EXPECT_EQ(NormalisePath(client.InstallFolder), demo.Path() + "Client/");
    ASSERT_EQ(client.ServerList.dimCount(), 2);
    EXPECT_EQ(client.ServerList.array().at({0, 0}).toString(), "127.0.0.1");
    EXPECT_EQ(client.ServerList.array().at({1, 0}).toInt(), 211);
    EXPECT_EQ(client.DBCodePage, "936");

    TBatonIniS server;
    EXPECT_EQ(server.ErrorCode, "");
    ASSERT_EQ(server.WorkFolders.size(), 1u);
    EXPECT_EQ(NormalisePath(server.WorkFolders[0]), demo.Path() + "Server/S_PKG/");
}

TEST(DemoInstallation, ClassesCreatedByNameComeFromTheBuildsLibraries) {
    DemoInstallation demo;
    ASSERT_TRUE(demo.Ready());
    AutoRef server = CreateOleObject("ReportCounterS.dmReportCounter");
    ASSERT_NE(server, nullptr);
    EXPECT_EQ(server->className(), "ReportCounterS.dmReportCounter");
    AutoRef host = CreateOleObject(HostClassName);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(CallMethod(host, "VersionType").toInt(), THostObject::DefaultVersionType);
}

}  // namespace
}  // namespace kw::testing
