#include "outside/Vozedarure/Vozedarure.h"

#include <opencc/opencc.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/CodePage.h"

namespace {

// One OpenCC converter per direction, opened on first use and kept for the
// life of the library. OpenCC converters are not documented as thread-safe,
// so calls are serialised.
class ChineseScript {
public:
    explicit ChineseScript(const char* config) : config_(config) {}
    ~ChineseScript() {
        if (handle_ != reinterpret_cast<opencc_t>(-1)) opencc_close(handle_);
    }

    // Converts UTF-8 text; on any failure the text comes back unchanged.
    std::string Convert(const std::string& utf8) {
        std::lock_guard guard(lock_);
        if (handle_ == reinterpret_cast<opencc_t>(-1)) handle_ = opencc_open(config_);
        if (handle_ == reinterpret_cast<opencc_t>(-1)) return utf8;
        char* converted = opencc_convert_utf8(handle_, utf8.data(), utf8.size());
        if (!converted) return utf8;
        std::string result = converted;
        opencc_convert_utf8_free(converted);
        return result;
    }

private:
    const char* config_;
    opencc_t handle_ = reinterpret_cast<opencc_t>(-1);
    std::mutex lock_;
};

// The Taiwan standard: its characters are those Big5 holds (啟, not 啓).
ChineseScript toTraditional("s2tw.json");
ChineseScript toSimplified("tw2s.json");

char* ownedCopy(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

char* convert(const char* text, int fromCodePage, ChineseScript& script, int toCodePage) {
    if (!text) return nullptr;
    const std::string utf8 = kw::CodePageToUtf8(text, fromCodePage);
    return ownedCopy(kw::Utf8ToCodePage(script.Convert(utf8), toCodePage));
}

}  // namespace

extern "C" {

char* GBtoBIG5(const char* gbText) { return convert(gbText, kw::CP_GBK, toTraditional, kw::CP_BIG5); }

char* BIG5toGB(const char* big5Text) { return convert(big5Text, kw::CP_BIG5, toSimplified, kw::CP_GBK); }

char* GetBIG5Data(const char*) { return nullptr; }

char* GetGBData(const char*) { return nullptr; }

int SaveOrder(int) { return 0; }
}
