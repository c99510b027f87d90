// Image lists: equal-sized images, each with the colour that is transparent.
#pragma once

#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace kw {

class TImageList : public TComponent {
    KW_CLASS(TImageList)
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    int Width() const { return width_; }
    void SetWidth(int w);
    int Height() const { return height_; }
    void SetHeight(int h);
    int Count() const { return static_cast<int>(images_.size()); }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor c) { bkColor_ = c; }
    bool Masked() const { return masked_; }
    void SetMasked(bool m) { masked_ = m; }

    // Adds the cells of a bitmap (its width divided by the list's width);
    // the result is the index of the first. Mask colour clNone: no mask.
    int AddMasked(const TBitmap& bitmap, TColor maskColor);
    int Add(const TBitmap& bitmap);
    void Delete(int index);
    void Clear();
    // Copies image Index into Bitmap (transparent with its mask colour).
    bool GetBitmap(int index, TBitmap& bitmap) const;
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    // Form texts hold the images as one strip; its bottom-left pixel is the
    // transparent colour.
    TBitmap* Strip() const { return strip_; }
    void SetStrip(TBitmap* strip);

    TNotifyEvent OnChange;

private:
    struct Image {
        TBitmap* Bitmap;
        TColor Mask;
    };
    int width_ = 16;
    int height_ = 16;
    TColor bkColor_ = clNone;
    bool masked_ = true;
    std::vector<Image> images_;
    TBitmap* strip_;
};

}  // namespace kw
