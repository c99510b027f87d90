#include "platform/Dialogs.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/StdCtrls.h"

namespace kw {

KW_DEFINE_ENUM(TMsgDlgType, "mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom")
KW_DEFINE_ENUM(TMsgDlgBtn, "mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore", "mbAll",
               "mbNoToAll", "mbYesToAll", "mbHelp")

const TTypeInfo* TypeMsgDlgButtons() {
    static auto t = MakeSetType("TMsgDlgButtons", TypeInfoOf(static_cast<TMsgDlgBtn*>(nullptr)));
    return t;
}

namespace {
const char* const kButtonNames[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll",
                                    "YesToAll", "Help"};
const char* const kButtonCaptions[] = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All",
                                       "N&o to All", "Yes to &All", "&Help"};
const TModalResult kButtonResults[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll,
                                       mrYesToAll, mrNone};
const char* const kCaptions[] = {"Warning", "Error", "Information", "Confirm", ""};
const char* const kIconNames[] = {"WARNING", "ERROR", "INFORMATION", "CONFIRMATION", ""};

// The dialog form: a form class of its own so that a dialog can be told
// from other modal forms.
class TMessageForm : public TForm {
    KW_CLASS(TMessageForm)
public:
    explicit TMessageForm(TComponent* owner) : TForm(owner) {}
};
}  // namespace

KW_BEGIN_CLASS(TMessageForm, TForm)
KW_END_CLASS(TMessageForm)

const char* MsgDlgButtonName(TMsgDlgBtn button) { return kButtonNames[button]; }
TModalResult MsgDlgButtonResult(TMsgDlgBtn button) { return kButtonResults[button]; }

TForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
    auto* form = new TMessageForm(Application());
    try {
        form->SetBorderStyle(bsDialog);
        form->SetPosition(poScreenCenter);
        form->SetBorderIcons(1u << biSystemMenu);
        form->SetText(type == mtCustom ? Application()->Title() : kCaptions[type]);

        const int margin = 8, spacing = 10, iconSize = 32, buttonWidth = 75, buttonHeight = 25, buttonSpacing = 8;
        int textLeft = margin;
        if (type != mtCustom) {
            auto* image = new TLabel(form);  // the icon's place; the backend draws the kind's icon
            image->SetName("Image");
            image->SetAutoSize(false);
            image->SetText(kIconNames[type]);
            image->SetBounds(margin, margin, iconSize, iconSize);
            image->SetVisible(true);
            image->SetParent(form);
            textLeft = margin + iconSize + spacing;
        }
        auto* label = new TLabel(form);
        label->SetName("Message");
        label->SetWordWrap(false);
        label->SetText(message);
        label->SetParent(form);
        // Lines of the message measured one by one.
        int textWidth = 0, textHeight = 0;
        size_t start = 0;
        while (start <= message.size()) {
            size_t end = message.find('\n', start);
            std::string line = message.substr(start, end == std::string::npos ? std::string::npos : end - start);
            TSize size = label->TextExtent(line.empty() ? " " : line);
            textWidth = std::max(textWidth, size.cx);
            textHeight += size.cy;
            if (end == std::string::npos) break;
            start = end + 1;
        }
        label->SetAutoSize(false);
        label->SetBounds(textLeft, margin, textWidth, textHeight);

        std::vector<TMsgDlgBtn> chosen;
        for (int b = mbYes; b <= mbHelp; ++b)
            if (buttons & (1u << b)) chosen.push_back(static_cast<TMsgDlgBtn>(b));
        TMsgDlgBtn defaultButton = (buttons & (1u << mbOK))    ? mbOK
                                   : (buttons & (1u << mbYes)) ? mbYes
                                   : chosen.empty()            ? mbOK
                                                               : chosen.front();
        TMsgDlgBtn cancelButton = (buttons & (1u << mbCancel)) ? mbCancel
                                  : (buttons & (1u << mbNo))   ? mbNo
                                                               : mbOK;
        int buttonsWidth = static_cast<int>(chosen.size()) * (buttonWidth + buttonSpacing) - buttonSpacing;
        int contentWidth = std::max(textLeft + textWidth, buttonsWidth) + 2 * margin;
        int textBottom = std::max(margin + textHeight, type == mtCustom ? 0 : margin + iconSize);
        int buttonTop = textBottom + spacing + margin;
        form->SetBounds(0, 0, contentWidth, buttonTop + buttonHeight + margin);
        int x = (contentWidth - buttonsWidth) / 2;
        for (TMsgDlgBtn b : chosen) {
            auto* button = new TButton(form);
            button->SetName(kButtonNames[b]);
            button->SetText(kButtonCaptions[b]);
            button->SetModalResult(kButtonResults[b]);
            button->SetDefault(b == defaultButton);
            button->SetCancel(b == cancelButton);
            button->SetBounds(x, buttonTop, buttonWidth, buttonHeight);
            button->SetParent(form);
            if (b == defaultButton) form->SetActiveControl(button);
            x += buttonWidth + buttonSpacing;
        }
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    TForm* dialog = CreateMessageDialog(message, type, buttons);
    TModalResult result;
    try {
        result = dialog->ShowModal();
    } catch (...) {
        dialog->Free();
        throw;
    }
    dialog->Free();
    return result;
}

void ShowMessage(const std::string& message) {
    TForm* dialog = CreateMessageDialog(message, mtCustom, MsgDlgButtons({mbOK}));
    dialog->SetText(Application()->Title());
    try {
        dialog->ShowModal();
    } catch (...) {
        dialog->Free();
        throw;
    }
    dialog->Free();
}

std::string MessageDialogText(const TCustomForm& form) {
    if (!form.ClassInfo().InheritsFrom("TMessageForm")) return {};
    auto* label = dynamic_cast<TLabel*>(form.FindComponent("Message"));
    return label ? label->Text() : std::string();
}

}  // namespace kw
