// TfrmBaseGene: keys, Enter navigation, page changes with their exit check,
// the lookup request message, help, and repainting the shell under the form.
#include <algorithm>

#include "forms/base/BaseGene.h"
#include "platform/Automation.h"
#include "platform/ComCtrls.h"
#include "platform/Grids.h"
#include "platform/SysUtils.h"
#include "platform/StdCtrls.h"

namespace kw {

namespace {

// The caret's line in a multi-line edit, or -1 for any other control.
int MemoCaretLine(TWinControl* control) {
    auto* memo = dynamic_cast<TMemo*>(control);
    return memo ? memo->CaretPos().Y : -1;
}

// The control that stands for Control in the page-end list: a selection
// panel for its inner edits and list, a radio group for its buttons.
TWinControl* PageEndOwner(TWinControl* control) {
    if (!control) return nullptr;
    TComponent* owner = control->Owner();
    if (owner && owner->InheritsFrom("TSelectPanel") &&
        (control->InheritsFrom("TCustomEdit") || control->InheritsFrom("TCustomListView")))
        return dynamic_cast<TWinControl*>(owner);
    TWinControl* parent = control->Parent();
    if (parent && parent->InheritsFrom("TKwRadioGroup") && control->InheritsFrom("TButtonControl")) return parent;
    return nullptr;
}

}  // namespace

bool TfrmBaseGene::IsPageEndControl(TWinControl* control) const {
    if (!control) return false;
    const auto listed = [this](TWinControl* c) {
        return c && std::find(pageEndControls_.begin(), pageEndControls_.end(), c) != pageEndControls_.end();
    };
    return listed(control) || listed(PageEndOwner(control));
}

void TfrmBaseGene::SelectPage(bool forward) {
    if (!pgOption || pgOption->PageCount() == 0) return;
    const int index = pgOption->ActivePageIndex();
    const int target = forward ? index + 1 : index - 1;
    if (target < 0 || target >= pgOption->PageCount()) return;
    pgOption->ChangePageByUser(pgOption->Pages(target));
}

void TfrmBaseGene::FormKeyDown(TObject*, uint16_t& key, TShiftState shift) {
    const bool ctrl = shift & SS_CTRL, alt = shift & SS_ALT;
    switch (key) {
        case VK_ESCAPE: Close(); return;
        case VK_F1: ShowHelp(); return;
        case VK_F2: LookupOnControl(VK_F2, ActiveControl()); return;
        case 'V':
            if (shift == (SS_CTRL | SS_ALT)) Backend().ShellExecute(Handle(), "properties", ModuleFileName, "", "", 1);
            return;
        case VK_TAB:
            if (ctrl && !alt) {
                SelectPage(!(shift & SS_SHIFT));
                key = 0;
            }
            return;
        case VK_PRIOR:
        case VK_NEXT:
            if (ctrl && !alt) {
                SelectPage(key == VK_NEXT);
                key = 0;
            }
            return;
        default: return;
    }
}

void TfrmBaseGene::FormKeyPress(TObject*, char& key) {
    if (key != '\r') return;
    TWinControl* active = ActiveControl();
    const int caretLine = MemoCaretLine(active);
    const bool onLastPage = !pgOption || pgOption->ActivePageIndex() >= pgOption->PageCount() - 1;

    if (auto* grid = dynamic_cast<TDrawGrid*>(active)) {
        // Enter walks the cells: right, then on to the first cell of the
        // next row, adding a row at the end.
        key = 0;
        if (grid->Col() == grid->ColCount() - 1) {
            if (grid->Row() == grid->RowCount() - 1) grid->SetRowCount(grid->RowCount() + 1);
            grid->SetRow(grid->Row() + 1);
            grid->SetCol(grid->FixedCols());
        } else {
            grid->SetCol(grid->Col() + 1);
        }
        return;
    }
    if (IsPageEndControl(active)) {
        if (caretLine >= 0 && caretLine < 2) return;  // the memo takes the line break
        key = 0;
        if (!onLastPage) SelectPage(true);
        return;
    }
    if (caretLine >= 0 && caretLine < 2) return;
    key = 0;
    SelectNext(active, true, true);
}

void TfrmBaseGene::pgOptionChange(TObject*) { FocusFirstOnPage(); }

void TfrmBaseGene::FocusFirstOnPage() {
    if (!pgOption || !pgOption->ActivePage()) return;
    const std::vector<TWinControl*>& tabList = pgOption->ActivePage()->TabList();
    for (int order = 0;; ++order) {
        auto it = std::find_if(tabList.begin(), tabList.end(), [order](TWinControl* c) { return c->TabOrder() == order; });
        if (it == tabList.end()) return;  // no control has the wanted tab order
        TWinControl* control = *it;
        if (!control->Enabled()) continue;
        if (control->InheritsFrom("TSelectPanel")) {
            // A selection panel gives the focus to its begin edit in range
            // mode and to its list in list mode.
            if (TWinControl* inner = control->TabList().empty() ? nullptr : control->TabList().front();
                inner && inner->CanFocus()) {
                inner->SetFocus();
                return;
            }
        }
        if (control->CanFocus()) control->SetFocus();
        return;
    }
}

void TfrmBaseGene::pgOptionChanging(TObject*, bool& allowChange) {
    InPageChange = true;
    CheckFailed = false;
    TWinControl* active = ActiveControl();
    if (active) {
        TWinControl* owner = active->Owner() && active->Owner()->InheritsFrom("TSelectPanel")
                                 ? dynamic_cast<TWinControl*>(active->Owner())
                                 : nullptr;
        TWinControl* target = owner ? owner : active;
        if (target->OnExit.Assigned()) target->OnExit(target);
    }
    InPageChange = false;
    allowChange = !CheckFailed;
}

void TfrmBaseGene::tsOption2Show(TObject*) {
    if (!SystemPageArranged) ArrangeSystemPage();
}

void TfrmBaseGene::WMLookupRequest(TMessage& message) {
    LookupOnControl(VK_F2, reinterpret_cast<TWinControl*>(message.LParam));
}

void TfrmBaseGene::WMMove(TMessage& message) {
    DefaultHandler(message);
    RepaintShellWindow();
}

void TfrmBaseGene::CMFocusChanged(TMessage& message) {
    LastFocused = ActiveControl();
    DefaultHandler(message);
}

void TfrmBaseGene::Resize() {
    TKWForm::Resize();
    RepaintShellWindow();
}

void TfrmBaseGene::RepaintShellWindow() {
    if (TWinControl* shell = FindControl(ShellWindow)) shell->Repaint();
}

void TfrmBaseGene::ShowHelp() {
    if (ProgramCode.size() < 5) return;
    const char c4 = static_cast<char>(std::toupper(static_cast<unsigned char>(ProgramCode[3])));
    std::string prefix = "1";
    char type = c4;
    if (c4 == 'A' || c4 == 'M') {
        prefix = c4 == 'A' ? "6" : "8";
        type = static_cast<char>(std::toupper(static_cast<unsigned char>(ProgramCode[4])));
    }
    if (type == 'B')
        prefix += "3";
    else if (type == 'R')
        prefix += "2";
    else
        return;
    const std::string number = prefix + ProgramCode.substr(ProgramCode.size() - 2) + "0000";
    try {
        CallMethod(HostObject, "CallHelp",
                   {Variant::ArrayOf({Variant(ProgramCode.substr(0, 3)), Variant(number)})});
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
}

}  // namespace kw
