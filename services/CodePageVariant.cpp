#include "services/CodePageVariant.h"

#include <exception>
#include <functional>
#include <string>

#include "platform/CodePage.h"
#include "services/LogUtils.h"

namespace kw {

namespace {

// The code page itself when the system converts it, otherwise the system
// code page (0).
int ConvertibleCodePage(int codePage)
{
    std::string probe;
    return TryWideToMultiByte(u"", codePage, probe) ? codePage : 0;
}

Variant EncodeText(const Variant& text, int codePage)
{
    const int target = ConvertibleCodePage(codePage);
    return Variant(WideToMultiByte(text.toWide(), target), target == 0 ? SystemCodePage() : target);
}

Variant DecodeText(const Variant& text, int codePage)
{
    const std::string bytes = text.type() == VarType::String ? text.bytes() : WideToMultiByte(text.toWide(), 0);
    return Variant(MultiByteToWide(bytes, ConvertibleCodePage(codePage)));
}

// Applies convert to every text of value, arrays element by element.
Variant ConvertTexts(const Variant& value, int codePage, const std::function<Variant(const Variant&, int)>& convert)
{
    if (value.isArray()) {
        Variant result = value;
        for (Variant& element : result.array().items())
            element = ConvertTexts(element, codePage, convert);
        return result;
    }
    return value.isText() ? convert(value, codePage) : value;
}

Variant ConvertLogged(const Variant& value, int codePage, const char* logPrefix,
                      const std::function<Variant(const Variant&, int)>& convert)
{
    try {
        return ConvertTexts(value, codePage, convert);
    } catch (const std::exception& e) {
        WriteAlertLog("libstrs", std::string(logPrefix) + e.what(), "D");
        return value;
    }
}

}  // namespace

Variant EncodeToCodePage(const Variant& value, int codePage)
{
    return ConvertLogged(value, codePage, "LINE[2735] ", EncodeText);
}

Variant DecodeFromCodePage(const Variant& value, int codePage)
{
    return ConvertLogged(value, codePage, "LINE[115] ", DecodeText);
}

}  // namespace kw
