// Texts between the callers of the application server and the database.
// Callers send data text: byte strings in the data code page (a byte string
// tagged with a code page of its own is read in that one) or wide strings.
// The database holds UTF-8. Answers go back as byte strings in the data code
// page.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/Variant.h"

namespace kw {

// The code page of data texts exchanged with the condition forms.
inline constexpr int DataCodePage = 936;

// Raised when an argument is not what a method expects; its message is the
// error text the caller gets.
class EArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of a string variant as UTF-8; what names the argument in the
// error raised for any other kind or for bytes that are not valid text.
std::string DataTextToUtf8(const Variant& value, const std::string& what);
// The same, with empty and null accepted as "".
std::string OptionalDataTextToUtf8(const Variant& value, const std::string& what);
// Number of bytes the text takes in the data code page.
size_t DataTextBytes(const std::string& utf8);
// A UTF-8 text as a data-text variant.
Variant Utf8ToDataText(const std::string& utf8);

}  // namespace kw
