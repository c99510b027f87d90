#include "appserver/DataText.h"

#include <algorithm>

#include "platform/CodePage.h"

namespace kw {

namespace {

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string DataTextToUtf8(const Variant& value, const std::string& what) {
    if (value.type() == VarType::WideString) return WideToUtf8(value.toWide());
    if (value.type() != VarType::String) throw EArgumentError(what + " must be a text, not " + value.typeName());
    const std::string& bytes = value.bytes();
    if (IsAscii(bytes)) return bytes;
    const int codePage = value.codePage() == CP_ACP ? DataCodePage : value.codePage();
    if (codePage == CP_UTF8) return bytes;
    std::u16string wide;
    if (!TryMultiByteToWide(bytes, codePage, wide))
        throw EArgumentError(what + " is not valid text in code page " + std::to_string(codePage));
    return WideToUtf8(wide);
}

std::string OptionalDataTextToUtf8(const Variant& value, const std::string& what) {
    if (VarIsEmptyOrNull(value)) return "";
    return DataTextToUtf8(value, what);
}

size_t DataTextBytes(const std::string& utf8) {
    if (IsAscii(utf8)) return utf8.size();
    return WideToMultiByte(Utf8ToWide(utf8), DataCodePage).size();
}

Variant Utf8ToDataText(const std::string& utf8) {
    if (IsAscii(utf8)) return Variant(utf8, DataCodePage);
    return Variant(WideToMultiByte(Utf8ToWide(utf8), DataCodePage), DataCodePage);
}

}  // namespace kw
