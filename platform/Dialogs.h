// Standard message dialogs, built as the platform builds them: a form named
// after the dialog kind with an image, the message label "Message" and one
// button per requested button, named "Yes", "No", "OK", "Cancel", "Abort",
// "Retry", "Ignore", "All", "NoToAll", "YesToAll" and "Help", so callers can
// find a button by name and change its caption before showing the dialog.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/Forms.h"

namespace kw {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
KW_DECLARE_ENUM(TMsgDlgType)
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
KW_DECLARE_ENUM(TMsgDlgBtn)
using TMsgDlgButtons = uint32_t;
const TTypeInfo* TypeMsgDlgButtons();
inline constexpr TMsgDlgButtons MsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
    TMsgDlgButtons set = 0;
    for (auto b : buttons) set |= 1u << b;
    return set;
}
inline constexpr TMsgDlgButtons mbYesNoCancel = (1u << mbYes) | (1u << mbNo) | (1u << mbCancel);
inline constexpr TMsgDlgButtons mbOKCancel = (1u << mbOK) | (1u << mbCancel);
inline constexpr TMsgDlgButtons mbAbortRetryIgnore = (1u << mbAbort) | (1u << mbRetry) | (1u << mbIgnore);

// The button's component name and its modal result.
const char* MsgDlgButtonName(TMsgDlgBtn button);
TModalResult MsgDlgButtonResult(TMsgDlgBtn button);

// The dialog form (owned by the application); the caller shows and frees it.
TForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);
// Builds, shows modally and frees a message dialog; gives its modal result.
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const std::string& message);

// The message text of a dialog built by CreateMessageDialog ("" for other forms).
std::string MessageDialogText(const TCustomForm& form);

}  // namespace kw
