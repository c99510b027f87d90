#include "host/LookupDialog.h"

#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"
#include "platform/StdCtrls.h"

namespace kw {

KW_BEGIN_CLASS(TfrmShellLookup, TForm)
KW_END_CLASS(TfrmShellLookup)

namespace {

constexpr int kMargin = 8, kListWidth = 420, kListHeight = 260, kButtonWidth = 75, kButtonHeight = 25;

TButton* AddButton(TForm* form, const char* name, const char* captionUtf8, int left, int top) {
    auto* button = new TButton(form);
    button->SetName(name);
    button->SetText(DesignText(captionUtf8));
    button->SetBounds(left, top, kButtonWidth, kButtonHeight);
    button->SetParent(form);
    return button;
}

TListBox* AddList(TForm* form, const char* name, int left, int top, int width) {
    auto* list = new TListBox(form);
    list->SetName(name);
    list->SetBounds(left, top, width, kListHeight);
    list->SetParent(form);
    return list;
}

int FindCurrentRow(const std::vector<std::vector<std::string>>& rows, const std::string& current) {
    if (current.empty()) return rows.empty() ? -1 : 0;
    for (size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].empty() && rows[i][0] == current) return static_cast<int>(i);
    for (size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].empty() && rows[i][0].compare(0, current.size(), current) == 0) return static_cast<int>(i);
    return rows.empty() ? -1 : 0;
}

}  // namespace

std::string LookupRowText(const std::vector<std::string>& columns) {
    std::string text;
    for (size_t i = 0; i < columns.size(); ++i) text += (i ? " | " : "") + columns[i];
    return text;
}

TfrmShellLookup::TfrmShellLookup(TComponent* owner, const TLookupSpec& spec,
                                 const std::vector<std::vector<std::string>>& rows, bool multiSelect,
                                 const std::string& current)
    : TForm(owner) {
    SetName("frmShellLookup");
    Font()->SetCharset(GB2312_CHARSET);  // texts are design texts (code page 936)
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetText(DesignText(std::string(spec.Title) + (multiSelect ? " (可多选)" : "")));

    std::vector<std::string> headings;
    for (const TLookupColumn& column : spec.Columns) headings.push_back(column.Caption);
    auto* columns = new TLabel(this);
    columns->SetName("lblColumns");
    columns->SetText(DesignText(LookupRowText(headings)));
    columns->SetBounds(kMargin, kMargin, kListWidth, 16);
    columns->SetParent(this);

    const int listTop = kMargin + 20;
    rows_ = AddList(this, "lstRows", kMargin, listTop, kListWidth);
    for (const auto& row : rows) rows_->Items()->Add(DesignText(LookupRowText(row)));
    rows_->SetItemIndex(FindCurrentRow(rows, current));

    int right = kMargin + kListWidth;
    if (multiSelect) {
        const int buttonLeft = right + kMargin;
        AddButton(this, "btnAdd", ">", buttonLeft, listTop + 80)->OnClick = [this](TObject*) { AddSelected(); };
        AddButton(this, "btnRemove", "<", buttonLeft, listTop + 120)->OnClick = [this](TObject*) {
            RemoveSelected();
        };
        chosen_ = AddList(this, "lstChosen", buttonLeft + kButtonWidth + kMargin, listTop, kListWidth);
        right = buttonLeft + kButtonWidth + 2 * kMargin + kListWidth;
        rows_->OnDblClick = [this](TObject*) { AddSelected(); };
    } else {
        rows_->OnDblClick = [this](TObject*) {
            if (rows_->ItemIndex() >= 0) SetModalResult(mrOk);
        };
    }

    const int buttonTop = listTop + kListHeight + kMargin;
    auto* ok = AddButton(this, "btnOk", "确定", right - 2 * kButtonWidth - kMargin, buttonTop);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = AddButton(this, "btnCancel", "取消", right - kButtonWidth, buttonTop);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    SetBounds(0, 0, right + kMargin, buttonTop + kButtonHeight + kMargin);
    SetActiveControl(rows_);
}

void TfrmShellLookup::AddSelected() {
    const int index = rows_->ItemIndex();
    if (index < 0) return;
    for (int taken : chosenIndices_)
        if (taken == index) return;
    chosenIndices_.push_back(index);
    chosen_->Items()->Add(rows_->Items()->Strings(index));
}

void TfrmShellLookup::RemoveSelected() {
    const int index = chosen_->ItemIndex();
    if (index < 0) return;
    chosenIndices_.erase(chosenIndices_.begin() + index);
    chosen_->Items()->Delete(index);
}

std::vector<int> TfrmShellLookup::ChosenRows() const {
    if (chosen_ && !chosenIndices_.empty()) return chosenIndices_;
    if (rows_->ItemIndex() >= 0) return {rows_->ItemIndex()};
    return {};
}

std::vector<int> ChooseLookupRows(const TLookupSpec& spec, const std::vector<std::vector<std::string>>& rows,
                                  bool multiSelect, const std::string& current) {
    auto* dialog = new TfrmShellLookup(Application(), spec, rows, multiSelect, current);
    std::vector<int> chosen;
    try {
        if (dialog->ShowModal() == mrOk) chosen = dialog->ChosenRows();
    } catch (...) {
        dialog->Free();
        throw;
    }
    dialog->Free();
    return chosen;
}

}  // namespace kw
