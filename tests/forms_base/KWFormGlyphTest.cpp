// The common form base gives the inner button of a button edit the
// generated disabled image, as it does for its other glyph buttons.
#include <gtest/gtest.h>

#include "controls/KwcEdit.h"
#include "forms/base/KWForm.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {
namespace {

// A form whose button edits exist before its creation step runs.
class TButtonEditsForm : public TKWForm {
public:
    explicit TButtonEditsForm(TComponent* owner) : TKWForm(owner) {
        oneCell = new TKwBtnDBEdit(this);
        oneCell->SetName("edOneCell");
        twoCells = new TKwBtnDBEdit(this);
        twoCells->SetName("edTwoCells");
        twoCells->SetGlyphIndex(4);  // brings its own disabled cell
    }
    TKwBtnDBEdit* oneCell;
    TKwBtnDBEdit* twoCells;
};

using KWFormGlyphs = testing::HeadlessTest;

TEST_F(KWFormGlyphs, TheButtonOfAButtonEditGetsADisabledCell) {
    auto* form = CreateForm<TButtonEditsForm>(nullptr);
    TGSpeedButton* button = form->oneCell->Button();
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(button->Glyph()->Width(), 2 * button->Glyph()->Height());
    TGSpeedButton* ready = form->twoCells->Button();
    EXPECT_EQ(ready->NumGlyphs(), 2);
    EXPECT_EQ(ready->Glyph()->Width(), 2 * ready->Glyph()->Height());  // not widened again
    form->Free();
}

}  // namespace
}  // namespace kw
