// Form texts: the declarative description of a form and its components,
// read through the type information. The format:
//
//   object frmSample: TfrmSample          (or "inherited" for a component
//     Caption = '样例'                      that an ancestor's text made)
//     Font.Height = -13                    dotted names reach class properties
//     BorderIcons = [biSystemMenu]         sets
//     Color = clBtnFace                    identifiers: enumerations, Boolean,
//     ActiveControl = edName                 identifier maps, references, handlers
//     OnShow = FormShow                    a published method of the root's class
//     Items = ('one' 'two')                string lists
//     Columns = <                          collections
//       item
//         Caption = 'Code'
//       end>
//     Glyph = {424D3600...}                binary data (bitmaps as BMP bytes)
//     object edName: TEdit                 owned components; controls nested
//       TabOrder = 0                         in a container get it as parent
//     end
//   end
//
// Texts are UTF-8; quoted texts become the design code page (936) as they are
// read. '' is a quote inside a text, #13 a character by code, and texts
// joined with + form one text. References to components resolve when the
// whole text was read. Components are read with the loading and reading
// states set; each gets Loaded once everything was read.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Classes.h"

namespace kw {

class TCustomForm;

// Raised for a form text that cannot be parsed or applied; the message names
// the line.
class EReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TFormProperty;

struct TFormValue {
    enum Kind { Integer, Float, String, Ident, Set, List, Collection, Binary };
    Kind Type = Integer;
    int64_t Int = 0;
    double Real = 0;
    std::string Text;                  // String (UTF-8), Ident, Binary (bytes)
    std::vector<std::string> Names;    // Set
    std::vector<TFormValue> Items;     // List
    std::vector<std::vector<TFormProperty>> CollectionItems;
};

struct TFormProperty {
    std::string Name;
    TFormValue Value;
    int Line = 0;
};

struct TFormObject {
    bool Inherited = false;
    std::string Name;
    std::string ClassName;
    std::vector<TFormProperty> Properties;
    std::vector<TFormObject> Children;
    int Line = 0;
};

TFormObject ParseFormText(std::string_view text);

// Reads a form text onto Root: the text's root object describes Root itself.
void ReadComponentText(TComponent& root, std::string_view text);
// The same for an embedded resource; false when there is none of that name.
bool ReadComponentResource(TComponent& root, const std::string& resourceName);
// Reads the embedded texts named after the classes of the form's class chain,
// the oldest first, so derived texts change what their ancestors made.
void ReadFormResources(TCustomForm& form);

}  // namespace kw
