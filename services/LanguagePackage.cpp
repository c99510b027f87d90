#include "services/LanguagePackage.h"

#include <fstream>
#include <iterator>
#include <regex>

#include "platform/CodePage.h"
#include "platform/FilePaths.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

bool StartsWith(const std::string& bytes, std::string_view prefix)
{
    return bytes.compare(0, prefix.size(), prefix) == 0;
}

bool HasByteOrderMark(const std::string& bytes)
{
    return StartsWith(bytes, "\xEF\xBB\xBF") || StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF");
}

int CodePageOfEncodingName(const std::string& name)
{
    const std::string n = LowerCase(Trim(name));
    if (n == "gb2312" || n == "gbk" || n == "cp936" || n == "windows-936" || n == "gb18030")
        return CP_GBK;
    if (n == "big5" || n == "cp950" || n == "windows-950" || n == "big5-hkscs")
        return CP_BIG5;
    if (n == "ibm437" || n == "cp437" || n == "us-ascii" || n == "ascii")
        return CP_US;
    if (n == "utf-8" || n == "utf8")
        return CP_UTF8;
    return 0;
}

std::string ParseReason(const pugi::xml_parse_result& result)
{
    return result ? std::string() : std::string(result.description());
}

}  // namespace

int DeclaredPackageCodePage(const std::string& bytes)
{
    if (HasByteOrderMark(bytes))
        return 0;
    if (!StartsWith(bytes, "<?xml"))
        return CP_UTF8;
    const size_t end = bytes.find("?>");
    const std::string declaration = bytes.substr(0, end);
    static const std::regex encoding(R"(encoding\s*=\s*["']([^"']*)["'])");
    std::smatch match;
    if (!std::regex_search(declaration, match, encoding))
        return CP_UTF8;
    return CodePageOfEncodingName(match[1].str());
}

std::string LoadPackageText(pugi::xml_document& doc, const std::string& text)
{
    const int codePage = DeclaredPackageCodePage(text);
    if (codePage == 0)
        return ParseReason(doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_auto));
    if (codePage == CP_UTF8)
        return ParseReason(doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8));
    const std::string utf8 = CodePageToUtf8(text, codePage);
    return ParseReason(doc.load_buffer(utf8.data(), utf8.size(), pugi::parse_default, pugi::encoding_utf8));
}

std::string LoadPackageFile(pugi::xml_document& doc, const std::string& fileName)
{
    doc.reset();
    std::ifstream in(NormalisePath(fileName), std::ios::binary);
    if (fileName.empty() || !in)
        return "Cannot read the file " + fileName;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return "Cannot read the file " + fileName;
    return LoadPackageText(doc, bytes);
}

std::string PackageValue(const char* utf8, int codePage)
{
    if (codePage == CP_UTF8)
        return utf8;
    return Utf8ToCodePage(utf8, codePage);
}

pugi::xml_node FindPackageElement(const pugi::xml_document& doc, const std::string& name)
{
    if (name.empty())
        return {};
    try {
        return doc.select_node(("//" + name).c_str()).node();
    } catch (const pugi::xpath_exception&) {
        return {};
    }
}

}  // namespace kw
