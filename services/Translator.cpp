#include "services/Translator.h"

#include <cstdlib>
#include <memory>

#include "platform/SysUtils.h"
#include "services/LogUtils.h"

namespace kw {

TTranslator::TTranslator(const std::string& libraryName)
{
    if (!library_.Load(libraryName))
        throw ETranslatorError(Format("Load Library %s Error!", {libraryName}));
    gbToBig5_ = library_.Function<char*(const char*)>("GBtoBIG5");
    big5ToGb_ = library_.Function<char*(const char*)>("BIG5toGB");
    getBig5Data_ = library_.Export("GetBIG5Data");
    getGBData_ = library_.Export("GetGBData");
    saveOrder_ = library_.Export("SaveOrder");
    if (!gbToBig5_ || !big5ToGb_)
        throw ETranslatorError("Get Library Procedure Address Error!");
}

std::string TTranslator::ConvertToGB(const std::string& big5) const
{
    return Convert(big5ToGb_, "BIG5toGB", big5);
}

std::string TTranslator::ConvertToBig5(const std::string& gb) const
{
    return Convert(gbToBig5_, "GBtoBIG5", gb);
}

std::string TTranslator::Convert(Conversion conversion, const char* entryName, const std::string& text) const
{
    if (!conversion || text.empty())
        return text;
    std::unique_ptr<char, decltype(&std::free)> converted(conversion(text.c_str()), &std::free);
    if (!converted) {
        WriteAlertLog("libstrs", std::string(entryName) + " gave no text; the text stays as it was", "D");
        return text;
    }
    return converted.get();
}

}  // namespace kw
