// An installation in a scratch folder: the registry stand-in pointed at a
// file of its own, settings files written by the test, the system code page
// and format settings restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/SysUtils.h"
#include "tests/os/ScopedEnvironment.h"

namespace kw::testing {

class InstallationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCodePage_ = SystemCodePage();
        savedSettings_ = FormatSettings();
    }
    void TearDown() override
    {
        SetSystemCodePage(savedCodePage_);
        FormatSettings() = savedSettings_;
    }

    // Writes the registry file with the given lines under the key
    // "Software\KWT\Baton" (no key at all for nullopt) and points the stand-in at it.
    void SetRegistry(const std::optional<std::string>& batonValues)
    {
        std::string content = "[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"X\"=\"1\"\n";
        if (batonValues)
            content += "[HKEY_LOCAL_MACHINE\\Software\\KWT\\Baton]\n" + *batonValues;
        registry_.reset();
        registry_.emplace("KWT_REGISTRY", scratch_.Write("registry.reg", content));
    }

    // A registry value line for a folder path (backslashes escaped).
    static std::string RegValue(const std::string& name, const std::string& value)
    {
        std::string escaped;
        for (char c : value) {
            if (c == '\\' || c == '"')
                escaped += '\\';
            escaped += c;
        }
        return "\"" + name + "\"=\"" + escaped + "\"\n";
    }

    std::string Folder(const std::string& relative) const { return scratch_.Path() + relative; }
    std::string Write(const std::string& relative, const std::string& content) const
    {
        return scratch_.Write(relative, content);
    }

    // The lines of a log file with the leading "[time stamp] " removed.
    static std::vector<std::string> LogTexts(const std::string& fileName)
    {
        std::vector<std::string> texts;
        std::istringstream in(ReadWholeFile(fileName));
        for (std::string line; std::getline(in, line);) {
            size_t close = line.find("] ");
            if (!line.empty() && line.front() == '[' && close != std::string::npos)
                line.erase(0, close + 2);
            texts.push_back(line);
        }
        return texts;
    }

private:
    ScratchFolder scratch_;
    std::optional<ScopedEnv> registry_;
    int savedCodePage_ = 0;
    TFormatSettings savedSettings_;
};

}  // namespace kw::testing
