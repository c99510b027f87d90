// TfrmBaseGene: the message catalogue. Message codes TYPE;ID[;ARG...] name
// texts of the shell's catalogue; every code and text shown or recorded goes
// into the message log (MessageCodes, MessageTexts), which Initialize
// clears. Identifiers of 0 or below are silent: logged, never shown.
#include <string>
#include <vector>

#include "forms/base/BaseGene.h"
#include "platform/Automation.h"
#include "platform/Buttons.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "services/CodeConverter.h"
#include "services/LibStrs.h"

namespace kw {

namespace {

constexpr int kMaxArguments = 10;

// The dialog kind of a message type letter.
TMsgDlgType KindOfType(const std::string& type) {
    if (type == "C" || type == "D" || type == "W") return mtWarning;
    if (type == "E") return mtError;
    if (type == "I") return mtInformation;
    if (type == "Q") return mtConfirmation;
    return mtCustom;
}

// The buttons a catalogue dialog of the type offers by default.
TMsgDlgButtons DefaultButtonsOfType(const std::string& type) {
    if (type == "C" || type == "Q" || type == "W") return mbOKCancel;
    if (type == "D") return mbYesNoCancel;
    return MsgDlgButtons({mbOK});
}

// The catalogue text filled with the arguments; when the placeholders do not
// fit, the bare text, a carriage return and each argument followed by ";".
std::string FormatCatalogText(const std::string& text, const std::vector<Variant>& args) {
    try {
        return Format(text, args);
    } catch (const EConvertError&) {
        std::string message = text + "\r";
        for (const Variant& arg : args) message += VarToStr(arg) + ";";
        return message;
    }
}

void AppendOnce(std::string& log, const std::string& text) {
    if (log.find(text) == std::string::npos) log += text + "; ";
}

}  // namespace

bool TfrmBaseGene::CancelFocused() const { return btnCancel && ActiveControl() == btnCancel; }

void TfrmBaseGene::ShowCatalogMessages(const std::string& text) {
    if (CancelFocused()) return;  // the user is leaving
    if (text.empty()) {
        MessageCodes.clear();
        MessageTexts.clear();
        return;
    }
    MessageCodes += text + "; ";
    std::string rest = text;
    const std::string type = SplitFirstField(rest, ";");
    std::string id = SplitFirstField(rest, ";");
    const bool shown = StrToIntDef(Trim(id), 0) > 0;
    std::vector<Variant> args;
    do {
        args.emplace_back(SplitFirstField(rest, ";"));
    } while (!rest.empty() && static_cast<int>(args.size()) < kMaxArguments);
    args.resize(kMaxArguments, Variant(std::string()));
    if (!shown && !id.empty()) id.erase(0, 1);
    const std::string message = FormatCatalogText(GetCatalogText(type, id), args);
    AppendOnce(MessageTexts, message);
    if (shown) ShowDialog(message, KindOfType(type), MsgDlgButtons({mbOK}));
}

void TfrmBaseGene::RecordError(const std::string& text) {
    if (CancelFocused()) return;
    if (Trim(text).empty()) {
        MessageCodes.clear();
        MessageTexts.clear();
        return;
    }
    MessageCodes += "E;-1; ";
    AppendOnce(MessageTexts, text);
}

std::string TfrmBaseGene::GetCatalogText(const std::string& type, const std::string& id) {
    std::string text = Format("Can not Get Message\rType= %s, ID= %s ", {Variant(type), Variant(id)});
    if (HostObject.isDispatch()) {
        try {
            text = VarToStr(CallMethod(HostObject, "GetMessage", {Variant(type), Variant(id)}));
        } catch (const std::exception&) {
            // A host that cannot answer is treated as no host.
        }
    }
    return KwConverter() ? VarToStr(KwConverter()->ConvertDBVariant(Variant(text))) : text;
}

int TfrmBaseGene::ShowDialog(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons) {
    if (InPageChange && kind != mtError) return 0;
    TForm* dialog = CreateMessageDialog(text, kind, buttons);
    int result = 0;
    try {
        dialog->SetCaption(Caption());
        if (UICodePage() != "437") {
            for (TComponent* component : dialog->ComponentList()) {
                auto* button = dynamic_cast<TButtonControl*>(component);
                if (!button) continue;
                const std::string caption = DialogButtonCaption(button->Name());
                button->SetCaption(KwConverter() ? VarToStr(KwConverter()->ConvertUIVariant(Variant(caption))) : caption);
            }
        }
        ApplyChineseFont(UIConversion(), dialog->Font());
        result = dialog->ShowModal();
    } catch (...) {
        dialog->Free();
        throw;
    }
    dialog->Free();
    if (TWinControl* active = ActiveControl()) PostMessage(active->Handle(), WM_LBUTTONUP, 0, 0);
    if (kind == mtError && LastFocused && LastFocused != this && LastFocused->CanFocus()) LastFocused->SetFocus();
    return result;
}

int TfrmBaseGene::ShowCatalogDialog(const std::string& type, const std::string& id, TMsgDlgButtons buttons,
                                     const std::vector<Variant>& args) {
    const std::string text = FormatCatalogText(GetCatalogText(type, id), args);
    return ShowDialog(text, KindOfType(type), buttons ? buttons : DefaultButtonsOfType(type));
}

}  // namespace kw
