#include "platform/FilePaths.h"

#include <gtest/gtest.h>

#include "tests/os/ScopedEnvironment.h"

namespace kw {
namespace {

using testing::ScratchFolder;

struct PathCase {
    const char* path;
    const char* normalised;
    const char* drive;
    const char* folder;  // ExtractFilePath
    const char* name;    // ExtractFileName
    const char* ext;     // ExtractFileExt
    const char* withTrailing;
};

class PathPartsTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathPartsTest, SplitsStoredAndNativePaths)
{
    const PathCase& c = GetParam();
    EXPECT_EQ(NormalisePath(c.path), c.normalised);
    EXPECT_EQ(ExtractFileDrive(c.path), c.drive);
    EXPECT_EQ(ExtractFilePath(c.path), c.folder);
    EXPECT_EQ(ExtractFileName(c.path), c.name);
    EXPECT_EQ(ExtractFileExt(c.path), c.ext);
    EXPECT_EQ(IncludeTrailingPathDelimiter(c.path), c.withTrailing);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathPartsTest,
    ::testing::Values(
        PathCase{"/opt/kwt/BatonC.ini", "/opt/kwt/BatonC.ini", "", "/opt/kwt/", "BatonC.ini", ".ini",
                 "/opt/kwt/BatonC.ini/"},
        PathCase{"C:\\Inst\\BatonC.ini", "C:/Inst/BatonC.ini", "C:", "C:\\Inst\\", "BatonC.ini", ".ini",
                 "C:\\Inst\\BatonC.ini\\"},
        PathCase{"/opt/kwt/\\Log\\Alert_x.log", "/opt/kwt/Log/Alert_x.log", "", "/opt/kwt/\\Log\\", "Alert_x.log",
                 ".log", "/opt/kwt/\\Log\\Alert_x.log\\"},
        PathCase{"\\\\server\\share\\pkg", "/server/share/pkg", "\\\\server\\share", "\\\\server\\share\\", "pkg",
                 "", "\\\\server\\share\\pkg\\"},
        PathCase{"D:name.txt", "D:name.txt", "D:", "D:", "name.txt", ".txt", "D:name.txt\\"},
        PathCase{"/opt/kwt.d/file", "/opt/kwt.d/file", "", "/opt/kwt.d/", "file", "", "/opt/kwt.d/file/"},
        PathCase{"/opt/kwt/", "/opt/kwt/", "", "/opt/kwt/", "", "", "/opt/kwt/"},
        PathCase{"name", "name", "", "", "name", "", "name\\"},
        PathCase{"", "", "", "", "", "", "\\"}));

TEST(FilePathsTest, ChangeAndExcludeParts)
{
    EXPECT_EQ(ChangeFileExt("/a/b.tmp", ".zip"), "/a/b.zip");
    EXPECT_EQ(ChangeFileExt("/a.d/b", ".zip"), "/a.d/b.zip");
    EXPECT_EQ(ChangeFileExt("C:\\a\\b.x.y", ""), "C:\\a\\b.x");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/b/"), "/a/b");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\a\\"), "C:\\a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/b"), "/a/b");
}

TEST(FilePathsTest, ForceDirectoriesAndExistence)
{
    ScratchFolder scratch;
    const std::string deep = scratch.Path() + "one\\two/three\\";
    EXPECT_FALSE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep)) << "an existing folder is fine";
    EXPECT_FALSE(FileExists(deep)) << "a folder is not a file";

    const std::string file = scratch.Write("one/file.txt", "x");
    EXPECT_TRUE(FileExists(scratch.Path() + "one\\file.txt"));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_FALSE(ForceDirectories(file + "/below")) << "a file blocks the path";
    EXPECT_FALSE(ForceDirectories(""));
    EXPECT_FALSE(FileExists(scratch.Path() + "absent.txt"));
}

}  // namespace
}  // namespace kw
