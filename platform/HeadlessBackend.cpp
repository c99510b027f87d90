#include "platform/HeadlessBackend.h"

#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/Graphics.h"

namespace kw {

namespace {
std::unique_ptr<IBackend>& Installed() {
    static std::unique_ptr<IBackend> backend = std::make_unique<THeadlessBackend>();
    return backend;
}
}  // namespace

IBackend& Backend() { return *Installed(); }

std::unique_ptr<IBackend> SetBackend(std::unique_ptr<IBackend> backend) {
    std::unique_ptr<IBackend> previous = std::move(Installed());
    Installed() = std::move(backend);
    return previous;
}

THeadlessBackend& Headless() {
    if (auto h = dynamic_cast<THeadlessBackend*>(&Backend())) return *h;
    SetBackend(std::make_unique<THeadlessBackend>());
    return static_cast<THeadlessBackend&>(Backend());
}

THeadlessBackend::THeadlessBackend() = default;

void THeadlessBackend::Answer(TModalResult result, std::string expectUtf8) {
    answers_.push_back({result, std::move(expectUtf8), nullptr});
}

void THeadlessBackend::AnswerWith(std::function<void(TCustomForm&)> act, std::string expectUtf8) {
    answers_.push_back({mrNone, std::move(expectUtf8), std::move(act)});
}

std::string THeadlessBackend::Readable(const std::string& text, const TFont& font) {
    return CodePageToUtf8(text, font.CodePage());
}

HWND THeadlessBackend::CreateWindowHandle(TWinControl&) { return nextHandle_++; }

void THeadlessBackend::RunModal(TCustomForm& form) {
    TShownModal seen;
    seen.ClassName = form.ClassName();
    seen.Name = form.Name();
    seen.Caption = Readable(form.Caption(), *form.Font());
    std::string message = MessageDialogText(form);
    if (auto label = form.FindComponent("Message"); label && !message.empty())
        seen.Text = Readable(message, *static_cast<TControl*>(label)->Font());
    shown_.push_back(seen);
    const size_t index = shown_.size() - 1;
    std::string describe = "\"" + seen.Caption + "\"" + (seen.Text.empty() ? "" : ": " + seen.Text);
    while (!form.ModalLoopDone()) {
        Application()->ProcessMessages();
        if (form.ModalLoopDone()) break;
        if (answers_.empty()) {
            unanswered_.push_back("Unanswered dialog " + describe);
            throw EUnansweredDialog(unanswered_.back());
        }
        TModalAnswer answer = std::move(answers_.front());
        answers_.erase(answers_.begin());
        if (!answer.Expect.empty() && seen.Caption.find(answer.Expect) == std::string::npos &&
            seen.Text.find(answer.Expect) == std::string::npos) {
            unanswered_.push_back("Dialog " + describe + " came where one with \"" + answer.Expect +
                                  "\" was expected");
            throw EUnansweredDialog(unanswered_.back());
        }
        if (answer.Act) answer.Act(form);
        if (form.ModalResult() == mrNone && answer.Result != mrNone) form.SetModalResult(answer.Result);
    }
    shown_[index].Result = form.ModalResult();
}

TSize THeadlessBackend::TextExtent(const TFont& font, const std::string& text) {
    int h = font.Height() < 0 ? -font.Height() : font.Height();
    if (h == 0) h = 13;
    const int cp = font.CodePage();
    const bool doubleByte = cp == CP_GBK || cp == CP_BIG5;
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (doubleByte && c >= 0x81 && c <= 0xFE && i + 1 < text.size()) {
            width += h;
            ++i;
        } else {
            width += (h + 1) / 2;
        }
    }
    return {width, h};
}

int THeadlessBackend::SystemColor(int index) {
    static const int colors[] = {0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000,
                                 0x000000, 0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A,
                                 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF,
                                 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF};
    return index >= 0 && index < 25 ? colors[index] : 0;
}

int THeadlessBackend::ShellExecute(HWND, const std::string& verb, const std::string& file,
                                   const std::string& parameters, const std::string& directory, int) {
    shellCalls_.push_back({verb, file, parameters, directory});
    return shellResult_;
}

}  // namespace kw
