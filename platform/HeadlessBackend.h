// The backend without a display. Windows are numbers, painting goes nowhere,
// font metrics are fixed rules, and every modal run (message dialogs and
// modal forms alike) takes its answer from a queue that the test fills
// beforehand. A modal run that finds the queue empty raises
// EUnansweredDialog with the dialog's caption and text, so the test fails
// and says which dialog it did not expect.
//
// Font metrics: a text is as high as the font's pixel height (|Height|); a
// single-byte character is (height + 1) / 2 wide, a double-byte character of
// the font's code page (936 or 950) is height wide.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/Forms.h"

namespace kw {

struct TModalAnswer {
    TModalResult Result = mrNone;  // applied when Act left no modal result
    std::string Expect;            // UTF-8 text the caption or message must contain ("" = any)
    std::function<void(TCustomForm&)> Act;  // works the form like a user (may click its buttons)
};

// A modal run as the headless backend saw it; texts decoded to UTF-8 by the
// fonts' character sets.
struct TShownModal {
    std::string ClassName;
    std::string Name;
    std::string Caption;
    std::string Text;  // the message of a message dialog, else empty
    TModalResult Result = mrNone;
};

struct TShellCall {
    std::string Verb, File, Parameters, Directory;
};

class THeadlessBackend : public IBackend {
public:
    THeadlessBackend();

    // Answers for the coming modal runs, used in order.
    void Answer(TModalResult result, std::string expectUtf8 = "");
    void AnswerWith(std::function<void(TCustomForm&)> act, std::string expectUtf8 = "");
    size_t PendingAnswers() const { return answers_.size(); }
    void ClearAnswers() { answers_.clear(); }
    const std::vector<TShownModal>& Shown() const { return shown_; }
    void ClearShown() { shown_.clear(); }
    // Descriptions of the modal runs that found no answer (kept even when
    // the exception they raised was caught on the way).
    const std::vector<std::string>& Unanswered() const { return unanswered_; }
    void ClearUnanswered() { unanswered_.clear(); }
    const std::vector<TShellCall>& ShellCalls() const { return shellCalls_; }
    void SetShellResult(int result) { shellResult_ = result; }
    int Beeps() const { return beeps_; }
    // Text of a control as a person would read it: decoded by its font's
    // character set into UTF-8.
    static std::string Readable(const std::string& text, const TFont& font);

    HWND CreateWindowHandle(TWinControl& control) override;
    void DestroyWindowHandle(TWinControl& control, HWND handle) override {}
    void ShowWindow(TWinControl& control, bool visible) override {}
    void ControlChanged(TControl& control, TControlChange change) override {}
    void Invalidate(TControl& control) override {}
    void Update(TControl& control) override {}
    void SetFocus(TWinControl& control) override {}
    void ShowPopupMenu(TPopupMenu& menu, TPoint at) override { lastPopup_ = &menu; }
    void ScreenCursorChanged(int cursor) override {}
    // The menu shown last (tests then click one of its items).
    TPopupMenu* LastPopup() const { return lastPopup_; }
    void ClearLastPopup() { lastPopup_ = nullptr; }
    void RunModal(TCustomForm& form) override;
    void ProcessEvents() override {}
    TSize TextExtent(const TFont& font, const std::string& text) override;
    int SystemColor(int index) override;
    TSize ScreenSize() override { return {1024, 768}; }
    std::string ClipboardText() override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    int ShellExecute(HWND parent, const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int showCommand) override;
    void Beep() override { ++beeps_; }

private:
    std::vector<TModalAnswer> answers_;
    std::vector<TShownModal> shown_;
    std::vector<TShellCall> shellCalls_;
    std::vector<std::string> unanswered_;
    std::string clipboard_;
    TPopupMenu* lastPopup_ = nullptr;
    HWND nextHandle_ = 0x1000;
    int shellResult_ = 42;
    int beeps_ = 0;
};

// The headless backend in force, installed when another one was.
THeadlessBackend& Headless();

}  // namespace kw
