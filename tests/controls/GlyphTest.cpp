#include <gtest/gtest.h>

#include <map>

#include "controls/DisabledGlyph.h"
#include "controls/GlyphLibrary.h"
#include "platform/Graphics.h"

namespace kw {
namespace {

TEST(GlyphLibrary, HoldsThePicturesInUseUpToItsHighestNumber) {
    IGlyphLibrary& library = GlyphLibrary();
    EXPECT_EQ(library.GetMaxBmpID(), 81);
    struct Expect {
        int number, cells;
    };
    for (Expect e : {Expect{4, 2}, {8, 1}, {9, 1}, {39, 1}, {47, 1}, {68, 1}, {81, 1}}) {
        TBitmap picture;
        ASSERT_TRUE(library.LoadBmp(picture, e.number)) << e.number;
        EXPECT_EQ(picture.Height(), 16) << e.number;
        EXPECT_EQ(picture.Width(), 16 * e.cells) << e.number;
    }
}

TEST(GlyphLibrary, OtherNumbersHaveNoPicture) {
    for (int number : {-1, 0, 1, 5, 80, 82, 1000}) {
        TBitmap picture;
        EXPECT_FALSE(GlyphLibrary().LoadBmp(picture, number)) << number;
        EXPECT_TRUE(picture.Empty());
    }
}

// A 5 x 5 glyph: a white square with a black corner pixel on the
// transparent colour. Every white pixel next to the transparent colour and
// the black one are marked; the white centre is not.
TEST(DisabledImage, EmbossesTheOutlineAndDarkPixelsIntoASecondCell) {
    const TColor T = clFuchsia;
    const char* rows[] = {"TTTTT", "TWWWT", "TWWWT", "TWWKT", "TTTTT"};
    const std::map<char, TColor> colour = {{'T', T}, {'W', clWhite}, {'K', clBlack}};
    TBitmap glyph;
    glyph.SetPixelFormat(pf24bit);
    glyph.SetSize(5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) glyph.SetPixel(x, y, colour.at(rows[y][x]));

    AddDisabledImage(glyph);

    const char* disabled[] = {"FFFFF", "FSSSF", "FSHSH", "FSSSH", "FFHHH"};
    const std::map<char, TColor> shade = {{'F', ColorToRGB(clBtnFace)},
                                          {'S', ColorToRGB(clBtnShadow)},
                                          {'H', ColorToRGB(clBtnHighlight)}};
    ASSERT_EQ(glyph.Width(), 10);
    ASSERT_EQ(glyph.Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(glyph.Pixel(x, y), colour.at(rows[y][x])) << "enabled cell at " << x << "," << y;
            EXPECT_EQ(glyph.Pixel(5 + x, y), shade.at(disabled[y][x])) << "disabled cell at " << x << "," << y;
        }
    EXPECT_EQ(glyph.TransparentColor(), T);
}

TEST(DisabledImage, AOneCellLibraryPictureBecomesTwoCellsOfTheSameSize) {
    TBitmap glyph;
    ASSERT_TRUE(GlyphLibrary().LoadBmp(glyph, 8));
    TBitmap original;
    original.Assign(&glyph);
    AddDisabledImage(glyph);
    EXPECT_EQ(glyph.Width(), 32);
    EXPECT_EQ(glyph.Height(), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(glyph.Pixel(x, y), original.Pixel(x, y));
}

TEST(DisabledImage, AnEmptyGlyphStaysEmpty) {
    TBitmap glyph;
    AddDisabledImage(glyph);
    EXPECT_TRUE(glyph.Empty());
}

}  // namespace
}  // namespace kw
