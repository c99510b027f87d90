#include "host/DatePickerDialog.h"

#include <cmath>
#include <cstdio>

#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

namespace kw {

KW_BEGIN_CLASS(TfrmShellInputDay, TForm)
KW_END_CLASS(TfrmShellInputDay)

namespace {

constexpr int kRepublicOffset = 1911;
constexpr int kMargin = 8, kButtonWidth = 40, kButtonHeight = 25, kWideButton = 75;

TButton* AddButton(TForm* form, const char* name, const char* captionUtf8, int left, int top, int width) {
    auto* button = new TButton(form);
    button->SetName(name);
    button->SetText(DesignText(captionUtf8));
    button->SetBounds(left, top, width, kButtonHeight);
    button->SetParent(form);
    return button;
}

// Year, month and day of a displayed date: "y/m/d" (also "-" or "."), or
// eight digits "YYYYMMDD".
bool ParseDisplayed(const std::string& text, bool republicYears, double& date) {
    const std::string t = Trim(text);
    int y = 0, m = 0, d = 0;
    char s1 = 0, s2 = 0;
    int used = 0;
    if (t.size() == 8 && t.find_first_not_of("0123456789") == std::string::npos)
        return DayTextToDate(t, date);
    if (std::sscanf(t.c_str(), "%d%c%d%c%d%n", &y, &s1, &m, &s2, &d, &used) != 5 ||
        used != static_cast<int>(t.size()) || s1 != s2 || (s1 != '/' && s1 != '-' && s1 != '.'))
        return false;
    if (republicYears) y += kRepublicOffset;
    return TryEncodeDate(y, m, d, date);
}

}  // namespace

bool DayTextToDate(const std::string& day, double& date) {
    if (day.size() != 8 || day.find_first_not_of("0123456789") != std::string::npos) return false;
    return TryEncodeDate(std::stoi(day.substr(0, 4)), std::stoi(day.substr(4, 2)), std::stoi(day.substr(6, 2)),
                         date);
}

TfrmShellInputDay::TfrmShellInputDay(TComponent* owner, const std::string& initial, bool republicYears)
    : TForm(owner), republicYears_(republicYears) {
    SetName("frmShellInputDay");
    Font()->SetCharset(GB2312_CHARSET);  // texts are design texts (code page 936)
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetText(DesignText("日期快手"));

    edit_ = new TEdit(this);
    edit_->SetName("edDate");
    edit_->SetBounds(kMargin, kMargin, 5 * kButtonWidth + 4 * kMargin, 21);
    edit_->SetParent(this);

    const int row = kMargin + 21 + kMargin;
    int left = kMargin;
    struct Step { const char* name; const char* caption; int days, months; };
    const Step steps[] = {{"btnPrevMonth", "<<", 0, -1}, {"btnPrevDay", "<", -1, 0}, {"btnToday", "今天", 0, 0},
                          {"btnNextDay", ">", 1, 0},     {"btnNextMonth", ">>", 0, 1}};
    for (const Step& step : steps) {
        auto* button = AddButton(this, step.name, step.caption, left, row, kButtonWidth);
        if (step.days == 0 && step.months == 0)
            button->OnClick = [this](TObject*) { ShowDate(Date()); };
        else
            button->OnClick = [this, step](TObject*) { MoveBy(step.days, step.months); };
        left += kButtonWidth + kMargin;
    }
    const int width = left;
    const int bottom = row + kButtonHeight + kMargin;
    auto* ok = AddButton(this, "btnOk", "确定", width - 2 * (kWideButton + kMargin), bottom, kWideButton);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->OnClick = [this](TObject*) { OkClick(); };
    auto* cancel = AddButton(this, "btnCancel", "取消", width - kWideButton - kMargin, bottom, kWideButton);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    SetBounds(0, 0, width, bottom + kButtonHeight + kMargin);

    double date = 0;
    ShowDate(DayTextToDate(initial, date) ? date : Date());
    SetActiveControl(edit_);
}

void TfrmShellInputDay::ShowDate(double date) {
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    char text[32];
    std::snprintf(text, sizeof text, "%d/%02d/%02d", republicYears_ ? y - kRepublicOffset : y, m, d);
    edit_->SetText(text);
}

void TfrmShellInputDay::MoveBy(int days, int months) {
    double date = 0;
    if (!ParseDisplayed(edit_->Text(), republicYears_, date)) date = Date();
    ShowDate(months ? IncMonth(date, months) : date + days);
}

void TfrmShellInputDay::OkClick() {
    if (!PickedDate().empty()) return;
    SetModalResult(mrNone);
    MessageDlg(DesignText("日期不正确!"), mtError, MsgDlgButtons({mbOK}));
    edit_->SetFocus();
}

std::string TfrmShellInputDay::PickedDate() const {
    double date = 0;
    if (!ParseDisplayed(edit_->Text(), republicYears_, date) || date < EncodeDate(1753, 1, 1)) return "";
    return FormatDateTime("yyyymmdd", std::floor(date));
}

std::string PickDay(const std::string& initial, bool republicYears) {
    auto* dialog = new TfrmShellInputDay(Application(), initial, republicYears);
    std::string picked;
    try {
        if (dialog->ShowModal() == mrOk) picked = dialog->PickedDate();
    } catch (...) {
        dialog->Free();
        throw;
    }
    dialog->Free();
    return picked;
}

}  // namespace kw
