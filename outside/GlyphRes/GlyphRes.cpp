#include "outside/GlyphRes/GlyphRes.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/Graphics.h"
#include "platform/Resources.h"
#include "platform/SysUtils.h"

namespace {

// The pictures are embedded as "GlyphRes_NNN" (NNN the glyph number).
constexpr std::string_view PicturePrefix = "GlyphRes_";

std::string PictureName(int number) { return kw::Format("GlyphRes_%.3d", {number}); }

int HighestNumber() {
    int highest = 0;
    for (const std::string& name : kw::ResourceNames()) {
        if (name.size() <= PicturePrefix.size() || !kw::SameText(name.substr(0, PicturePrefix.size()), std::string(PicturePrefix)))
            continue;
        highest = std::max(highest, kw::StrToIntDef(name.substr(PicturePrefix.size()), 0));
    }
    return highest;
}

}  // namespace

extern "C" int GetMaxBmpID() {
    static const int highest = HighestNumber();
    return highest;
}

extern "C" bool LoadBmp(kw::TBitmap* bitmap, int number) {
    if (!bitmap || number < 1) return false;
    std::string_view bytes;
    if (!kw::FindResource(PictureName(number), bytes)) return false;
    bitmap->LoadFromBytes(bytes);
    return true;
}
