// The language controller: a non-visual component that loads a language
// package (an XML document, from a file or from inline text) and hands out
// the reader that applies it to components.
#pragma once

#include <pugixml.hpp>

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/Classes.h"
#include "services/LangReader.h"

namespace kw {

// Errors of the controller: "Cannot Find File %s!", "No active
// LanguageController!", or the XML parser's reason.
class LanguageControllerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLanguageController : public TComponent {
    KW_CLASS(TLanguageController)
public:
    explicit TLanguageController(TComponent* owner);
    ~TLanguageController() override;

    // True while a document with a root element is loaded. Setting true
    // loads the package (see Open); a failed load raises and leaves the
    // controller inactive. Set while the owner is being read from its form
    // text, the value is applied once reading ends.
    bool Active() const;
    void SetActive(bool active);

    // The package file; a change deactivates the controller.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName);
    // Inline package text, loaded instead of the file when not empty. A
    // change (outside form loading) deactivates the controller, and a
    // non-empty text clears the file name.
    TStrings* InlinePackage() const { return inlinePackage_; }
    void SetInlinePackage(TStrings* text);

    // Names of components the packages leave alone (a copy is kept).
    TStrings* ExcludeControls() const { return excludeControls_; }
    void SetExcludeControls(TStrings* names);

    // The reader of the loaded package; raises LanguageControllerError "No
    // active LanguageController!" while inactive.
    TLangReader& Reader();
    // The loaded document, or none.
    const pugi::xml_document* Document() const { return document_.get(); }

    TNotifyEvent BeforeOpen;
    TNotifyEvent AfterOpen;
    TNotifyEvent BeforeClose;
    TNotifyEvent AfterClose;
    TLoadComponentEvent BeforeLoadComponent;
    TLoadComponentEvent AfterLoadComponent;

protected:
    void Loaded() override;
    // Drops the inline text without the side effects of a change.
    void ClearInlinePackage();
    // Closes the package when one is open (an Active read from a form text
    // stays remembered).
    void Deactivate();

private:
    void Open();
    void Close();
    void InlinePackageChanged(TObject* sender);
    void ExcludeControlsChanged(TObject* sender);

    std::string fileName_;
    TStringList* inlinePackage_;
    TStringList* excludeControls_;
    std::unique_ptr<pugi::xml_document> document_;
    std::unique_ptr<TLangReader> reader_;
    bool streamedActive_ = false;
    bool quietInlineChange_ = false;
};

}  // namespace kw
