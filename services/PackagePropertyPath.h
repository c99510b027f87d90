// The property paths of language packages. An attribute name is
//   Name            a published property of the object;
//   Name_n          line n (from 0) of the object's string-list property
//                   Name, the list lengthened with empty lines up to it;
//   A.B.C           through the class-typed properties A and B to C, where
//                   a segment Items_n or Columns_n (any letter case) steps
//                   into item n of the collection reached so far, of a list
//                   view's columns or items, or of a tree view's nodes (an
//                   index beyond the count stays where it was), and any
//                   other numbered segment ends the path. The last segment
//                   "Caption" of a list item and "Text" of a tree node set
//                   the item's caption or the node's text.
#pragma once

#include <string>

#include "platform/Classes.h"

namespace kw {

// Sets the property the path names to value (a design text), converted to
// the property's type. Paths that lead nowhere and values the property
// cannot take change nothing; this never raises.
void ApplyPackageProperty(TObject& target, const std::string& path, const std::string& value);

}  // namespace kw
