#include "platform/Mask.h"

#include <cctype>

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/SysUtils.h"

namespace kw {

// ---------------------------------------------------------------- mask rules

TEditMaskRules::TEditMaskRules(const std::string& editMask) {
    // The last two unescaped ";" separate the save flag and the blank character.
    std::vector<size_t> separators;
    for (size_t i = 0; i < editMask.size(); ++i) {
        if (editMask[i] == '\\') {
            ++i;
            continue;
        }
        if (editMask[i] == ';') separators.push_back(i);
    }
    std::string mask = editMask;
    if (separators.size() >= 2) {
        size_t first = separators[separators.size() - 2], second = separators.back();
        mask = editMask.substr(0, first);
        std::string save = editMask.substr(first + 1, second - first - 1);
        saveLiterals_ = save.empty() || save[0] != '0';
        if (second + 1 < editMask.size()) blank_ = editMask[second + 1];
    } else if (separators.size() == 1) {
        size_t first = separators.back();
        mask = editMask.substr(0, first);
        std::string save = editMask.substr(first + 1);
        saveLiterals_ = save.empty() || save[0] != '0';
    }
    int caseMode = 0;
    for (size_t i = 0; i < mask.size(); ++i) {
        char c = mask[i];
        switch (c) {
            case '!': reverse_ = true; continue;
            case '>': caseMode = 1; continue;
            case '<':
                if (i + 1 < mask.size() && mask[i + 1] == '>') {
                    caseMode = 0;
                    ++i;
                } else {
                    caseMode = 2;
                }
                continue;
            case '\\':
                if (i + 1 < mask.size()) positions_.push_back({true, mask[++i], 0});
                continue;
            case 'L': case 'l': case 'A': case 'a': case 'C': case 'c': case '0': case '9': case '#':
                positions_.push_back({false, c, caseMode});
                continue;
            case '/': positions_.push_back({true, FormatSettings().DateSeparator, 0}); continue;
            case ':': positions_.push_back({true, FormatSettings().TimeSeparator, 0}); continue;
            case '_': positions_.push_back({true, ' ', 0}); continue;
            default: positions_.push_back({true, c, 0}); continue;
        }
    }
}

bool TEditMaskRules::Required(int index) const {
    char m = positions_[index].Char;
    return !positions_[index].Literal && (m == 'L' || m == 'A' || m == 'C' || m == '0');
}

bool TEditMaskRules::Accepts(int index, char& ch) const {
    const Position& p = positions_[index];
    if (p.Literal) return false;
    unsigned char u = static_cast<unsigned char>(ch);
    bool letter = std::isalpha(u) || u >= 0x80;
    bool digit = std::isdigit(u);
    bool ok = false;
    switch (p.Char) {
        case 'L': ok = letter; break;
        case 'l': ok = letter || ch == ' '; break;
        case 'A': ok = letter || digit; break;
        case 'a': ok = letter || digit || ch == ' '; break;
        case 'C': case 'c': ok = u >= 32 || u >= 0x80; break;
        case '0': ok = digit; break;
        case '9': ok = digit || ch == ' '; break;
        case '#': ok = digit || ch == ' ' || ch == '+' || ch == '-'; break;
        default: break;
    }
    if (ok && p.Case == 1 && u < 0x80) ch = static_cast<char>(std::toupper(u));
    if (ok && p.Case == 2 && u < 0x80) ch = static_cast<char>(std::tolower(u));
    return ok;
}

std::string TEditMaskRules::EmptyEditText() const {
    std::string out;
    for (const Position& p : positions_) out += p.Literal ? p.Char : blank_;
    return out;
}

std::string TEditMaskRules::RemoveEditFormat(const std::string& editText) const {
    std::string result;
    for (int i = 0; i < Length(); ++i)
        if (!positions_[i].Literal) result += i < static_cast<int>(editText.size()) ? editText[i] : blank_;
    if (reverse_) {
        size_t lead = 0;
        while (lead < result.size() && result[lead] == blank_) ++lead;
        result.erase(0, lead);
    } else {
        while (!result.empty() && result.back() == blank_) result.pop_back();
    }
    for (char& c : result)
        if (c == blank_) c = ' ';
    return result;
}

std::string TEditMaskRules::AddEditFormat(const std::string& value, bool active) const {
    const char empty = active ? blank_ : ' ';
    int inputs = 0;
    for (const Position& p : positions_) inputs += p.Literal ? 0 : 1;
    // Under "!" the value fills the last positions.
    size_t skip = 0;
    if (reverse_ && static_cast<int>(value.size()) < inputs) skip = inputs - value.size();
    std::string out;
    size_t j = 0, slot = 0;
    for (const Position& p : positions_) {
        if (p.Literal) {
            out += p.Char;
            continue;
        }
        char c = empty;
        if (slot++ >= skip && j < value.size()) {
            c = value[j++];
            if (c == ' ') c = empty;
            if (p.Case == 1) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (p.Case == 2) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        out += c;
    }
    return out;
}

std::string TEditMaskRules::PadInputLiterals(const std::string& value) const {
    std::string out;
    size_t j = 0;
    for (int i = 0; i < Length(); ++i) {
        const Position& p = positions_[i];
        if (p.Literal) {
            if (j < value.size() && value[j] == p.Char) ++j;
            out += p.Char;
            continue;
        }
        // A field typed shorter than the mask: the next literal ends it.
        int nextLiteral = i + 1;
        while (nextLiteral < Length() && !positions_[nextLiteral].Literal) ++nextLiteral;
        if (j >= value.size() || (nextLiteral < Length() && value[j] == positions_[nextLiteral].Char)) {
            out += blank_;
            continue;
        }
        char c = value[j++];
        out += c == ' ' ? blank_ : c;
    }
    return out;
}

std::string TEditMaskRules::TextOf(const std::string& editText) const {
    std::string stripped = RemoveEditFormat(editText);
    return saveLiterals_ ? AddEditFormat(stripped, false) : stripped;
}

std::string TEditMaskRules::EditTextOf(const std::string& text) const {
    return Normalize(saveLiterals_ ? PadInputLiterals(text) : AddEditFormat(text, true));
}

std::string TEditMaskRules::Normalize(const std::string& editText) const {
    std::string out;
    for (int i = 0; i < Length(); ++i) {
        const Position& p = positions_[i];
        if (p.Literal) {
            out += p.Char;
        } else {
            char c = i < static_cast<int>(editText.size()) ? editText[i] : blank_;
            out += c == ' ' ? blank_ : c;
        }
    }
    return out;
}

bool TEditMaskRules::Validate(const std::string& editText, int& failedAt) const {
    for (int i = 0; i < Length(); ++i)
        if (Required(i) && (i >= static_cast<int>(editText.size()) || editText[i] == blank_)) {
            failedAt = i;
            return false;
        }
    failedAt = -1;
    return true;
}

std::string FormatMaskText(const std::string& editMask, const std::string& value) {
    TEditMaskRules rules(editMask);
    if (rules.Empty()) return value;
    return rules.TextOf(rules.EditTextOf(value));
}

// ---------------------------------------------------------------- masked edit

KW_BEGIN_CLASS(TCustomMaskEdit, TCustomEdit)
KW_END_CLASS(TCustomMaskEdit)

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const std::string& mask) {
    if (mask == editMask_) return;
    // The typed characters move into the new mask; literals are rebuilt.
    std::string typed = IsMasked() ? rules_.RemoveEditFormat(EditText()) : EditText();
    editMask_ = mask;
    rules_ = TEditMaskRules(mask);
    TCustomEdit::SetText(IsMasked() ? rules_.Normalize(rules_.AddEditFormat(typed, true)) : typed);
}

void TCustomMaskEdit::SetEditText(const std::string& text) {
    TCustomEdit::SetText(IsMasked() ? rules_.Normalize(text) : text);
}

std::string TCustomMaskEdit::Text() const {
    std::string edit = TCustomEdit::Text();
    return IsMasked() ? rules_.TextOf(edit) : edit;
}

void TCustomMaskEdit::SetText(const std::string& text) {
    if (!IsMasked()) {
        TCustomEdit::SetText(text);
        return;
    }
    TCustomEdit::SetText(rules_.EditTextOf(text));
}

int TCustomMaskEdit::NextInput(int from) const {
    for (int i = std::max(from, 0); i < rules_.Length(); ++i)
        if (!rules_.IsLiteral(i)) return i;
    return -1;
}

int TCustomMaskEdit::PreviousInput(int from) const {
    for (int i = std::min(from, rules_.Length() - 1); i >= 0; --i)
        if (!rules_.IsLiteral(i)) return i;
    return -1;
}

void TCustomMaskEdit::TypeInsert(const std::string& text) {
    if (!IsMasked()) {
        TCustomEdit::TypeInsert(text);
        return;
    }
    if (ReadOnly()) return;
    std::string edit = EditText();
    int start = SelStart();
    // A selection is emptied first.
    for (int i = start; i < start + SelLength() && i < rules_.Length(); ++i)
        if (!rules_.IsLiteral(i)) edit[i] = rules_.Blank();
    int pos = start;
    for (char c : text) {
        int at = NextInput(pos);
        if (at < 0 || !rules_.Accepts(at, c)) {
            Backend().Beep();
            break;
        }
        edit[at] = c == ' ' ? rules_.Blank() : c;
        pos = at + 1;
    }
    int caret = NextInput(pos);
    SetEditText(edit);
    SetSelStart(caret < 0 ? rules_.Length() : caret);
}

void TCustomMaskEdit::KeyDown(uint16_t& key, TShiftState shift) {
    if (!IsMasked() || key != VK_DELETE) {
        TCustomEdit::KeyDown(key, shift);
        return;
    }
    if (ReadOnly()) return;
    std::string edit = EditText();
    int end = SelLength() > 0 ? SelStart() + SelLength() : SelStart() + 1;
    for (int i = SelStart(); i < end && i < rules_.Length(); ++i)
        if (!rules_.IsLiteral(i)) edit[i] = rules_.Blank();
    int caret = SelStart();
    SetEditText(edit);
    SetSelStart(caret);
}

void TCustomMaskEdit::KeyPress(char& ch) {
    if (!IsMasked() || ch != 8) {
        TCustomEdit::KeyPress(ch);
        return;
    }
    if (ReadOnly()) return;
    std::string edit = EditText();
    int at = SelLength() > 0 ? -1 : PreviousInput(SelStart() - 1);
    if (SelLength() > 0) {
        for (int i = SelStart(); i < SelStart() + SelLength() && i < rules_.Length(); ++i)
            if (!rules_.IsLiteral(i)) edit[i] = rules_.Blank();
        at = SelStart();
    } else if (at >= 0) {
        edit[at] = rules_.Blank();
    } else {
        return;
    }
    SetEditText(edit);
    SetSelStart(at);
}

void TCustomMaskEdit::ValidateEdit() {
    int at;
    if (IsMasked() && !rules_.Validate(EditText(), at)) {
        SetSelStart(at);
        throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
    }
}

void TCustomMaskEdit::DoExit() {
    if (IsMasked() && Modified()) ValidateEdit();
    TCustomEdit::DoExit();
}

KW_BEGIN_CLASS(TMaskEdit, TCustomMaskEdit)
    b.Prop("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask);
    b.Prop("Text", TypeCaption(), &TMaskEdit::Text, &TMaskEdit::SetText);
    b.Prop("MaxLength", &TMaskEdit::MaxLength, &TMaskEdit::SetMaxLength);
    b.Prop("ReadOnly", &TMaskEdit::ReadOnly, &TMaskEdit::SetReadOnly);
    b.Prop("CharCase", &TMaskEdit::CharCase, &TMaskEdit::SetCharCase);
    b.Prop("AutoSelect", &TMaskEdit::AutoSelect, &TMaskEdit::SetAutoSelect);
    b.Prop("ImeName", TypeImeName(), &TMaskEdit::ImeName, &TMaskEdit::SetImeName);
    b.Prop("PasswordChar", &TMaskEdit::PasswordChar, &TMaskEdit::SetPasswordChar);
    b.Event("OnChange", "TNotifyEvent", &TMaskEdit::OnChange);
    b.Creatable();
KW_END_CLASS(TMaskEdit)

TMaskEdit::TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}

}  // namespace kw
