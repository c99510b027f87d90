// The glyph library "GlyphRes" as the controls use it: button pictures by
// number, loaded by name on first use. Tests may put another library in its
// place.
#pragma once

#include <memory>

namespace kw {

class TBitmap;

// The library's file name, loaded with the system's library search.
inline constexpr const char* GlyphLibraryName = "GlyphRes.so";

class IGlyphLibrary {
public:
    virtual ~IGlyphLibrary() = default;
    // The highest glyph number held; 0 when there are none.
    virtual int GetMaxBmpID() = 0;
    // Fills bitmap with the picture of that number; false when there is none.
    // A picture that cannot be read raises.
    virtual bool LoadBmp(TBitmap& bitmap, int number) = 0;
};

// The library in force: "GlyphRes" unless another was installed. When the
// library cannot be loaded it holds no pictures (written to the "controls"
// alert log once).
IGlyphLibrary& GlyphLibrary();
// Installs a library for the process (none: back to "GlyphRes"); returns the
// previous one.
std::unique_ptr<IGlyphLibrary> SetGlyphLibrary(std::unique_ptr<IGlyphLibrary> library);

}  // namespace kw
