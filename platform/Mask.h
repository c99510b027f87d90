// Masked edits and the platform's edit-mask rules.
//
// An edit mask is "mask;save;blank": the mask characters, "0" when the
// literals are left out of Text (anything else keeps them), and the character
// shown for an empty position (default "_"). Mask characters: L letter, l
// optional letter, A letter or digit, a optional letter or digit, C any
// character, c optional character, 0 digit, 9 optional digit, # optional
// digit or sign; > upper case, < lower case, <> as typed, ! blanks lead
// instead of trailing, \ the next character is a literal, / and : the date
// and time separators, _ a blank; every other character is a literal.
//
// EditText is what the edit shows: literals in place, the blank character in
// empty positions. Text drops the trailing empty positions (leading ones
// under "!"), turns the blank character into spaces and, when the literals
// are kept, puts them back with spaces for every empty position; so under
// "9999/99/99;1; " an empty edit's Text is "    /  /  ", and under
// "9999/99/99;0; " it is "".
#pragma once

#include <string>
#include <vector>

#include "platform/StdCtrls.h"

namespace kw {

class EDBEditError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A parsed edit mask.
class TEditMaskRules {
public:
    TEditMaskRules() = default;
    explicit TEditMaskRules(const std::string& editMask);

    bool Empty() const { return positions_.empty(); }
    bool SaveLiterals() const { return saveLiterals_; }
    char Blank() const { return blank_; }
    bool ReverseDirection() const { return reverse_; }
    int Length() const { return static_cast<int>(positions_.size()); }
    bool IsLiteral(int index) const { return positions_[index].Literal; }
    char LiteralChar(int index) const { return positions_[index].Char; }
    bool Required(int index) const;
    // Whether Ch may stand at Index; Ch comes back in the position's letter case.
    bool Accepts(int index, char& ch) const;

    // Text and EditText conversions, as the platform's masked edit does them.
    std::string EmptyEditText() const;
    std::string RemoveEditFormat(const std::string& editText) const;
    std::string AddEditFormat(const std::string& value, bool active) const;
    std::string PadInputLiterals(const std::string& value) const;
    // The text the Text property gives for an EditText.
    std::string TextOf(const std::string& editText) const;
    // The EditText that setting the Text property produces.
    std::string EditTextOf(const std::string& text) const;
    // EditText forced to the mask's shape.
    std::string Normalize(const std::string& editText) const;
    bool Validate(const std::string& editText, int& failedAt) const;

private:
    struct Position {
        bool Literal;
        char Char;  // literal character or mask character
        int Case;   // 0 as typed, 1 upper, 2 lower
    };
    std::vector<Position> positions_;
    bool saveLiterals_ = true;
    char blank_ = '_';
    bool reverse_ = false;
};

// The platform's FormatMaskText: Value (without literals unless the mask
// keeps them) laid into the mask with its literals and blanks.
std::string FormatMaskText(const std::string& editMask, const std::string& value);

class TCustomMaskEdit : public TCustomEdit {
    KW_CLASS(TCustomMaskEdit)
public:
    explicit TCustomMaskEdit(TComponent* owner);
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    bool IsMasked() const { return !rules_.Empty(); }
    const TEditMaskRules& MaskRules() const { return rules_; }
    std::string EditText() const { return TCustomEdit::Text(); }
    void SetEditText(const std::string& text);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    std::string ShownText() const override { return EditText(); }
    // Raises EDBEditError when a required position is empty.
    void ValidateEdit();

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char& ch) override;
    void TypeInsert(const std::string& text) override;
    void DoExit() override;

private:
    int NextInput(int from) const;
    int PreviousInput(int from) const;
    std::string editMask_;
    TEditMaskRules rules_;
};

class TMaskEdit : public TCustomMaskEdit {
    KW_CLASS(TMaskEdit)
public:
    explicit TMaskEdit(TComponent* owner);
};

}  // namespace kw
