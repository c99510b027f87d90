#include "platform/DynLib.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kw {
namespace {

const std::string kTestLib = KWT_OS_TESTLIB;

TEST(DynLibTest, LoadsALibraryAndCallsAnExportByName)
{
    DynLib lib(kTestLib);
    ASSERT_TRUE(lib.IsLoaded()) << lib.ErrorText();
    auto twice = lib.Function<int(int)>("KwtTwice");
    ASSERT_NE(twice, nullptr) << lib.ErrorText();
    EXPECT_EQ(twice(21), 42);
}

TEST(DynLibTest, MissingExportAndLibraryAnswerWithTheLoadersMessage)
{
    DynLib lib(kTestLib);
    ASSERT_TRUE(lib.IsLoaded());
    EXPECT_EQ(lib.Export("NoSuchExport"), nullptr);
    EXPECT_NE(lib.ErrorText().find("NoSuchExport"), std::string::npos) << lib.ErrorText();

    DynLib missing;
    EXPECT_FALSE(missing.Load("/nonexistent/libNothing.so"));
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_NE(missing.ErrorText().find("libNothing.so"), std::string::npos) << missing.ErrorText();
    EXPECT_EQ(missing.Export("KwtTwice"), nullptr);
}

TEST(DynLibTest, MovingHandsOverTheLibrary)
{
    DynLib first(kTestLib);
    DynLib second(std::move(first));
    EXPECT_FALSE(first.IsLoaded());
    ASSERT_TRUE(second.IsLoaded());
    DynLib third;
    third = std::move(second);
    EXPECT_EQ(third.Function<int(int)>("KwtTwice")(4), 8);
}

TEST(DynLibTest, ModuleFileNamesOfTheLibraryAndTheExecutable)
{
    DynLib lib(kTestLib);
    auto ownName = lib.Function<const char*()>("KwtOwnModuleName");
    ASSERT_NE(ownName, nullptr);
    const auto expected = std::filesystem::canonical(kTestLib).string();
    EXPECT_EQ(ownName(), expected);
    EXPECT_EQ(ModuleFileName(lib.Export("KwtTwice")), expected);

    const std::string exe = ExecutableFileName();
    EXPECT_EQ(std::filesystem::path(exe).filename(), "test_os");
    static int insideExecutable = 0;
    EXPECT_EQ(ModuleFileName(&insideExecutable), exe);
    EXPECT_EQ(ModuleFileName(nullptr), "");
}

}  // namespace
}  // namespace kw
