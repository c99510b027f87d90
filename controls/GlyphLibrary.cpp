#include "controls/GlyphLibrary.h"

#include "platform/DynLib.h"
#include "services/LogUtils.h"

namespace kw {

namespace {

class TGlyphResLibrary : public IGlyphLibrary {
public:
    TGlyphResLibrary() {
        if (library_.Load(GlyphLibraryName)) {
            getMaxBmpID_ = library_.Function<int()>("GetMaxBmpID");
            loadBmp_ = library_.Function<bool(TBitmap*, int)>("LoadBmp");
        }
        if (!getMaxBmpID_ || !loadBmp_)
            WriteAlertLog("controls", std::string(GlyphLibraryName) + " is not usable: " + library_.ErrorText(), "D");
    }
    int GetMaxBmpID() override { return getMaxBmpID_ && loadBmp_ ? getMaxBmpID_() : 0; }
    bool LoadBmp(TBitmap& bitmap, int number) override { return loadBmp_ && loadBmp_(&bitmap, number); }

private:
    DynLib library_;
    int (*getMaxBmpID_)() = nullptr;
    bool (*loadBmp_)(TBitmap*, int) = nullptr;
};

std::unique_ptr<IGlyphLibrary>& Installed() {
    static std::unique_ptr<IGlyphLibrary> library;
    return library;
}

}  // namespace

IGlyphLibrary& GlyphLibrary() {
    auto& library = Installed();
    if (!library) library = std::make_unique<TGlyphResLibrary>();
    return *library;
}

std::unique_ptr<IGlyphLibrary> SetGlyphLibrary(std::unique_ptr<IGlyphLibrary> library) {
    auto previous = std::move(Installed());
    Installed() = std::move(library);
    return previous;
}

}  // namespace kw
