#include "services/LogUtils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ios>
#include <regex>
#include <system_error>

#include "platform/DBEngineError.h"
#include "platform/DynLib.h"
#include "platform/FilePaths.h"
#include "tests/services_settings/SettingsTestSupport.h"

namespace kw {
namespace {

using testing::InstallationTest;
using testing::ReadWholeFile;
using testing::ScopedEnv;

const double kFifthOfMarch2004 = EncodeDate(2004, 3, 5) + EncodeTime(14, 7, 9, 123);

std::string Today()
{
    return FormatDateTime("yyyymmdd", Now());
}

TEST(LogNamesTest, PeriodStamps)
{
    struct Case {
        const char* period;
        const char* stamp;
    } cases[] = {{"D", "20040305"}, {"M", "200403"}, {"Y", "2004"}, {"W", "20040305"}, {"", "20040305"},
                 {"d", "20040305"}};
    for (const Case& c : cases)
        EXPECT_EQ(LogPeriodStamp(c.period, kFifthOfMarch2004), c.stamp) << c.period;
}

TEST(LogNamesTest, FileNamesAddLogUnlessTheNameHasADot)
{
    EXPECT_EQ(AlertLogFileName("C:\\Inst\\", "libstrs", "D", kFifthOfMarch2004),
              "C:\\Inst\\\\Log\\Alert_libstrs_20040305.log");
    EXPECT_EQ(NormalisePath(AlertLogFileName("/opt/kwt/", "libstrs", "D", kFifthOfMarch2004)),
              "/opt/kwt/Log/Alert_libstrs_20040305.log");
    EXPECT_EQ(AlertLogFileName("/opt/kwt", "trace.txt", "M", kFifthOfMarch2004),
              "/opt/kwt\\Log\\Alert_trace.txt_200403");
    EXPECT_EQ(AlertLogFileName("/b", "RERiziVodoNewFileU", "W", kFifthOfMarch2004),
              "/b\\Log\\Alert_RERiziVodoNewFileU_20040305.log");
}

class LogWriterTest : public InstallationTest {};

TEST_F(LogWriterTest, TimeStampUsesTheSeparatorsOfTheSettings)
{
    EXPECT_EQ(AlertLogTimeStamp(kFifthOfMarch2004), "2004/03/05 14:07:09:123");
    FormatSettings().DateSeparator = '-';
    FormatSettings().TimeSeparator = '.';
    EXPECT_EQ(AlertLogTimeStamp(kFifthOfMarch2004), "2004-03-05 14.07.09.123");
}

TEST_F(LogWriterTest, AlertLogAppendsStampedLinesUnderTheClientFolder)
{
    SetRegistry(RegValue("ClientPath", Folder("client")) + RegValue("ServerPath", Folder("server")));
    ASSERT_TRUE(WriteAlertLog("libstrs", "LINE[115] first", "D"));
    ASSERT_TRUE(WriteAlertLog("libstrs", "second", "D"));
    const std::string file = Folder("client/Log/Alert_libstrs_" + Today() + ".log");
    const std::string content = ReadWholeFile(file);
    EXPECT_TRUE(std::regex_match(content, std::regex(R"(\[\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}:\d{3}\] )"
                                                     R"(LINE\[115\] first\n)"
                                                     R"(\[[^\]]+\] second\n)")))
        << content;
}

TEST_F(LogWriterTest, AlertLogBaseFolderFallsBackToServerThenExecutable)
{
    SetRegistry(RegValue("ClientPath", "") + RegValue("ServerPath", Folder("server")));
    ASSERT_TRUE(WriteAlertLog("trace.txt", "to the server", "M"));
    EXPECT_EQ(LogTexts(Folder("server/Log/Alert_trace.txt_" + Today().substr(0, 6))),
              std::vector<std::string>{"to the server"});

    SetRegistry(std::nullopt);
    const std::string hostFile = HostProgramFolder() + "Log/Alert_kwt_os_fallback_" + Today() + ".log";
    std::filesystem::remove(hostFile);
    ASSERT_TRUE(WriteAlertLog("kwt_os_fallback", "to the host", "D"));
    EXPECT_EQ(LogTexts(hostFile), std::vector<std::string>{"to the host"});
    std::filesystem::remove(hostFile);
}

TEST_F(LogWriterTest, DownloadLogAlwaysGoesUnderTheExecutable)
{
    SetRegistry(RegValue("ClientPath", Folder("client")));
    EXPECT_EQ(HostProgramFolder(), std::filesystem::path(ExecutableFileName()).parent_path().string() + "/");
    const std::string hostFile = HostProgramFolder() + "Log/Alert_kwt_os_download_" + Today() + ".log";
    std::filesystem::remove(hostFile);
    ASSERT_TRUE(WriteDownloadLog("kwt_os_download", "fetched", "D"));
    EXPECT_EQ(LogTexts(hostFile), std::vector<std::string>{"fetched"});
    EXPECT_FALSE(std::filesystem::exists(Folder("client/Log")));
    std::filesystem::remove(hostFile);
}

TEST_F(LogWriterTest, ALineThatCannotBeWrittenAnswersFalse)
{
    const std::string blocker = Write("blocker", "a file where a folder should be");
    SetRegistry(RegValue("ClientPath", blocker));
    EXPECT_FALSE(WriteAlertLog("libstrs", "lost", "D"));
    EXPECT_FALSE(WriteErrorLogLine("lost"));

    Write("client/Log/Alert_libstrs_" + Today() + ".log/x", "a folder where the file should be");
    SetRegistry(RegValue("ClientPath", Folder("client")));
    EXPECT_FALSE(WriteAlertLog("libstrs", "lost", "D"));
}

TEST_F(LogWriterTest, ErrorLogUsesShortDateAndLongTimeFormats)
{
    SetRegistry(RegValue("ClientPath", Folder("client")));
    FormatSettings().ShortDateFormat = "mm/dd/yyyy";
    FormatSettings().DateSeparator = '-';
    ASSERT_TRUE(WriteErrorLogLine("50% of it"));
    const std::string content = ReadWholeFile(Folder("client/Log/Alert_NorvexGenerator_" + Today() + ".log"));
    EXPECT_TRUE(std::regex_match(content, std::regex(R"(\[\d{2}-\d{2}-\d{4} \d{2}:\d{2}:\d{2}\] 50% of it\n)")))
        << content;
}

TEST_F(LogWriterTest, ErrorLogFallsBackToServerThenTemporaryFolderThenTmp)
{
    const std::string name = "Log/Alert_NorvexGenerator_" + Today() + ".log";
    SetRegistry(RegValue("ServerPath", Folder("server")));
    ASSERT_TRUE(WriteErrorLogLine("server"));
    EXPECT_EQ(LogTexts(Folder("server/" + name)), std::vector<std::string>{"server"});

    SetRegistry(std::nullopt);
    {
        ScopedEnv tmpdir("TMPDIR", Folder("temp"));
        ASSERT_TRUE(WriteErrorLogLine("temp"));
        EXPECT_EQ(LogTexts(Folder("temp/" + name)), std::vector<std::string>{"temp"});
    }
    // A temporary folder longer than 255 characters is not taken.
    const std::string marker = "kwt-os-long-temp-" + std::to_string(::getpid());
    ScopedEnv tmpdir("TMPDIR", Folder(std::string(260, 't')));
    ASSERT_TRUE(WriteErrorLogLine(marker));
    EXPECT_NE(ReadWholeFile("/tmp/" + name).find(marker), std::string::npos);
}

struct ReportCase {
    const char* what;
    std::function<void()> report;
    std::vector<std::string> lines;
};

const std::string kDashes(34, '-');

class ErrorReportTest : public InstallationTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ErrorReportTest, WritesTheLinesInOrder)
{
    SetRegistry(RegValue("ClientPath", Folder("client")));
    GetParam().report();
    EXPECT_EQ(LogTexts(Folder("client/Log/Alert_NorvexGenerator_" + Today() + ".log")), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ErrorReportTest,
    ::testing::Values(
        ReportCase{"HeaderOnly", [] { WriteErrorReport(nullptr, "DecodeSQLSa", "  "); },
                   {kDashes + " on DecodeSQLSa " + kDashes}},
        ReportCase{"BlankLocationAndProgrammerMessage", [] { WriteErrorReport(nullptr, " \t", " keep  blanks "); },
                   {kDashes + kDashes, "Programer Message:  keep  blanks "}},
        ReportCase{"OtherErrorKeepsPercentSigns",
                   [] {
                       const std::runtime_error error("100% %s %d done");
                       WriteErrorReport(&error, "Here", "");
                   },
                   {kDashes + " on Here " + kDashes, DesignText("讯息信息:"), "Exception is runtime_error\r",
                    "Message 01: 100% %s %d done", "ErrorMessage Count: 1"}},
        ReportCase{"PlatformErrorByClassName",
                   [] {
                       const EConvertError error("'$ZZ' is not a valid integer value");
                       WriteErrorReport(&error, "Here", "why");
                   },
                   {kDashes + " on Here " + kDashes, DesignText("讯息信息:"), "Exception is EConvertError\r",
                    "Message 01: '$ZZ' is not a valid integer value", "ErrorMessage Count: 1",
                    "Programer Message: why"}},
        ReportCase{"DatabaseEngineSubErrors",
                   [] {
                       const EDBEngineError error("engine", {{17, "first %s"}, {42, "second"}});
                       WriteErrorReport(&error, "Db", "");
                   },
                   {kDashes + " on Db " + kDashes, DesignText("讯息信息:"),
                    "EDBEngineError Error 01: Code: 17, Message: first %s",
                    "EDBEngineError Error 02: Code: 42, Message: second", "ErrorMessage Count: 2"}},
        ReportCase{"SystemCallError",
                   [] {
                       const std::system_error error(ENOENT, std::generic_category(), "open");
                       WriteErrorReport(&error, "Sys", "");
                   },
                   {kDashes + " on Sys " + kDashes, DesignText("讯息信息:"),
                    "EWin32Error Error 01: Code: 2, Message: " +
                        std::string(std::system_error(ENOENT, std::generic_category(), "open").what()),
                    "ErrorMessage Count: 1"}},
        ReportCase{"InputOutputError",
                   [] {
                       const std::filesystem::filesystem_error error(
                           "copy", std::make_error_code(std::errc::permission_denied));
                       WriteErrorReport(&error, "Io", "");
                   },
                   {kDashes + " on Io " + kDashes, DesignText("讯息信息:"),
                    "EInOutError Error 01: Code: 13, Message: " +
                        std::string(std::filesystem::filesystem_error(
                                        "copy", std::make_error_code(std::errc::permission_denied))
                                        .what()),
                    "ErrorMessage Count: 1"}}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace kw
