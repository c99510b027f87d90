// The texts inside a value turned into the bytes of a chosen code page and
// back, through wide text.
#pragma once

#include "platform/Variant.h"

namespace kw {

// A copy of value whose texts (byte or wide, alone or in arrays of any depth)
// are byte texts of codePage. Empty, null and non-text values come back
// unchanged. A code page the system cannot convert to is replaced by the
// system code page. Errors are written to the "libstrs" alert log and give
// the unchanged copy.
Variant EncodeToCodePage(const Variant& value, int codePage);

// The mirror image: a copy whose texts are wide texts, the bytes of each
// text read in codePage (a wide text is first taken as bytes of the system
// code page).
Variant DecodeFromCodePage(const Variant& value, int codePage);

}  // namespace kw
