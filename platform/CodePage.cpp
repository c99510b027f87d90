#include "platform/CodePage.h"

#include <iconv.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kw {

namespace {

std::atomic<int> g_systemCodePage{0};

int codePageFromEnvironment() {
    const char* value = std::getenv("KWT_ACP");
    if (value) {
        const int cp = std::atoi(value);
        if (cp == CP_GBK || cp == CP_BIG5 || cp == CP_US) return cp;
    }
    return CP_GBK;
}

const char* iconvName(int codePage) {
    switch (codePage == 0 ? SystemCodePage() : codePage) {
        case CP_GBK: return "CP936";
        case CP_BIG5: return "CP950";
        case CP_US: return "CP437";
        case CP_UTF8: return "UTF-8";
        default: return nullptr;
    }
}

constexpr const char* kWideName = "UTF-16LE";

// Converts between two iconv encodings. With lenient set, input that cannot
// be converted becomes one "?" per offending unit and conversion goes on;
// otherwise the first such unit fails the whole conversion.
bool convert(const char* from, const char* to, const char* in, size_t inSize, size_t unit, std::string& out,
             bool lenient, const std::string& replacement) {
    if (!from || !to) return false;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    out.clear();
    char buffer[4096];
    char* src = const_cast<char*>(in);
    size_t left = inSize;
    bool ok = true;
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof(buffer);
        const size_t rc = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (rc != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (!lenient) {
            ok = false;
            break;
        }
        // EILSEQ or EINVAL: skip one input unit and put a replacement.
        out += replacement;
        const size_t skip = std::min(unit, left);
        src += skip;
        left -= skip;
    }
    if (ok) {
        char* dst = buffer;
        size_t room = sizeof(buffer);
        iconv(cd, nullptr, nullptr, &dst, &room);
        out.append(buffer, static_cast<size_t>(dst - buffer));
    }
    iconv_close(cd);
    return ok;
}

std::string wideQuestionMark() { return std::string("?\0", 2); }

std::u16string bytesToWide(const std::string& bytes) {
    std::u16string wide(bytes.size() / 2, u'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * 2);
    return wide;
}

}  // namespace

int SystemCodePage() {
    int cp = g_systemCodePage.load();
    if (cp == 0) {
        cp = codePageFromEnvironment();
        g_systemCodePage.store(cp);
    }
    return cp;
}

std::string SystemCodePageText() { return std::to_string(SystemCodePage()); }

void SetSystemCodePage(int codePage) { g_systemCodePage.store(codePage); }

int CodePageOfCharset(int charset) {
    switch (charset) {
        case 134: return CP_GBK;
        case 136: return CP_BIG5;
        default: return SystemCodePage();
    }
}

bool TryMultiByteToWide(const std::string& bytes, int codePage, std::u16string& out) {
    std::string raw;
    if (!convert(iconvName(codePage), kWideName, bytes.data(), bytes.size(), 1, raw, false, {})) return false;
    out = bytesToWide(raw);
    return true;
}

bool TryWideToMultiByte(const std::u16string& wide, int codePage, std::string& out) {
    std::string converted;
    if (!convert(kWideName, iconvName(codePage), reinterpret_cast<const char*>(wide.data()), wide.size() * 2, 2,
                 converted, false, {}))
        return false;
    out = std::move(converted);
    return true;
}

std::u16string MultiByteToWide(const std::string& bytes, int codePage) {
    std::string raw;
    convert(iconvName(codePage), kWideName, bytes.data(), bytes.size(), 1, raw, true, wideQuestionMark());
    return bytesToWide(raw);
}

std::string WideToMultiByte(const std::u16string& wide, int codePage) {
    std::string out;
    convert(kWideName, iconvName(codePage), reinterpret_cast<const char*>(wide.data()), wide.size() * 2, 2, out, true,
            "?");
    return out;
}

std::string Utf8ToCodePage(const std::string& utf8, int codePage) {
    return WideToMultiByte(Utf8ToWide(utf8), codePage);
}

std::string CodePageToUtf8(const std::string& bytes, int codePage) {
    return WideToUtf8(MultiByteToWide(bytes, codePage));
}

std::u16string Utf8ToWide(const std::string& utf8) { return MultiByteToWide(utf8, CP_UTF8); }

std::string WideToUtf8(const std::u16string& wide) { return WideToMultiByte(wide, CP_UTF8); }

}  // namespace kw
