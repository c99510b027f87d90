#include "platform/ImgList.h"

#include "platform/ClassBuilder.h"

namespace kw {

KW_BEGIN_CLASS(TImageList, TComponent)
    b.Prop("Width", &TImageList::Width, &TImageList::SetWidth);
    b.Prop("Height", &TImageList::Height, &TImageList::SetHeight);
    b.Prop("BkColor", TypeColor(), &TImageList::BkColor, &TImageList::SetBkColor);
    b.Prop("Masked", &TImageList::Masked, &TImageList::SetMasked);
    b.Object("Strip", &TImageList::Strip, &TImageList::SetStrip);
    b.Event("OnChange", "TNotifyEvent", &TImageList::OnChange);
    b.Creatable();
KW_END_CLASS(TImageList)

TImageList::TImageList(TComponent* owner) : TComponent(owner), strip_(new TBitmap) {}

TImageList::~TImageList() {
    BeforeDestruction();
    Clear();
    delete strip_;
}

void TImageList::SetWidth(int w) {
    if (w == width_) return;
    Clear();
    width_ = w;
}

void TImageList::SetHeight(int h) {
    if (h == height_) return;
    Clear();
    height_ = h;
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
    if (width_ <= 0 || height_ <= 0 || bitmap.Empty()) return -1;
    int first = Count();
    int cells = std::max(1, bitmap.Width() / width_);
    for (int c = 0; c < cells; ++c) {
        auto* image = new TBitmap;
        image->SetPixelFormat(pf24bit);
        image->SetSize(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) image->SetPixel(x, y, bitmap.Pixel(c * width_ + x, y));
        if (maskColor != clNone) {
            image->SetTransparentColor(maskColor);
            image->SetTransparent(true);
        }
        images_.push_back({image, maskColor});
    }
    OnChange(this);
    return first;
}

int TImageList::Add(const TBitmap& bitmap) { return AddMasked(bitmap, clNone); }

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError("Invalid image index");
    delete images_[index].Bitmap;
    images_.erase(images_.begin() + index);
    OnChange(this);
}

void TImageList::Clear() {
    if (images_.empty()) return;
    for (auto& i : images_) delete i.Bitmap;
    images_.clear();
    OnChange(this);
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const {
    if (index < 0 || index >= Count()) return false;
    bitmap.Assign(images_[index].Bitmap);
    return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index >= 0 && index < Count()) canvas.Draw(x, y, *images_[index].Bitmap);
}

void TImageList::SetStrip(TBitmap* strip) {
    strip_->Assign(strip);
    if (!strip_->Empty()) AddMasked(*strip_, strip_->Pixel(0, strip_->Height() - 1));
}

}  // namespace kw
