// TfrmBaseGene: the shell's services as the base form uses them — system
// information through the counter service, validator queries, the lookup
// window (F2 lookups, the date picker and phrases) and the system page.
#include "forms/base/BaseGene.h"

#include "platform/Automation.h"
#include "platform/CodePage.h"
#include "platform/Mask.h"
#include "platform/SysUtils.h"
#include "services/CodeConverter.h"
#include "services/LibStrs.h"

namespace kw {

namespace {

// The captions of the four item-category schemes (SYS007..SYS010) when the
// company has none of its own.
std::string DefaultSysInfoCaption(const std::string& upperKey, bool english) {
    static const char* const kEnglish[] = {"Inv.Cate.1", "Inv.Cate.2", "Inv.Cate.3", "Inv.Cate.4"};
    static const char* const kChinese[] = {"商品分类方式一", "商品分类方式二", "商品分类方式三", "商品分类方式四"};
    const int index = upperKey.back() == '0' ? 3 : upperKey.back() - '7';
    return english ? kEnglish[index] : DesignText(kChinese[index]);
}

}  // namespace

// ---- System information -------------------------------------------------

std::string TfrmBaseGene::GetSysInfo(const std::string& key) {
    std::string result;
    try {
        if (key.empty()) {
            if (CounterService.isDispatch() && SysInfoCache) {
                Args args{Variant(CompanyId)};
                const Variant table = CounterService.toObject()->Invoke("GetSysInfo", args);
                SysInfoCache->Clear();
                if (table.isArray() && table.dimCount() == 2)
                    for (int i = table.low(2); i <= table.high(2); ++i)
                        SysInfoCache->Add(VarToStr(table.array().at({0, i})) + "=" +
                                          VarToStr(table.array().at({1, i})));
            }
            return {};
        }
        if (SysInfoCache) {
            const int index = SysInfoCache->IndexOfName(key);
            if (index >= 0) result = SysInfoCache->Strings(index).substr(key.size() + 1);
        }
    } catch (const std::exception&) {
        result.clear();
    }
    const std::string upperKey = UpperCase(key);
    if (result.empty() && upperKey >= "SYS007" && upperKey <= "SYS010" && upperKey.size() == 6)
        return DefaultSysInfoCaption(upperKey, UICodePage() == "437");
    if (Converted() && KwConverter()) result = VarToStr(KwConverter()->ConvertDBVariant(Variant(result)));
    return result;
}

// ---- Validator --------------------------------------------------------------

bool TfrmBaseGene::ValidatorQuery(const std::string& table, const std::string& kind, bool queryMode,
                                  Variant& result, const Variant& params) {
    const Variant dbParams = KwConverter() ? KwConverter()->ConvertToDBVariant(params) : params;
    if (!Validator.isDispatch()) return false;
    AutoRef validator = Validator.toObject();
    try {
        validator->PutProperty("ProductID", Variant(ProductId));
    } catch (const std::exception&) {
    }
    try {
        validator->PutProperty("BaseLimited", Variant(LimitText));
    } catch (const std::exception&) {
    }
    bool ok = false;
    try {
        Args args{Variant(table), Variant(kind), Variant(DatabaseName), dbParams, result};
        ok = validator->Invoke(queryMode ? "QueryData" : "CheckValue", args).toBool();
        result = args[4];
    } catch (const std::exception&) {
        return false;
    }
    if (Converted() && KwConverter()) result = KwConverter()->ConvertDBVariant(result);
    return ok;
}

// ---- Lookups ------------------------------------------------------------------

void TfrmBaseGene::LookupOnControl(int key, TWinControl* control) {
    if (!control) return;
    if (control->CanFocus()) control->SetFocus();
    if (control == edPrintDate) edPrintDate->SetText(PickDate(edPrintDate->Text()));
}

std::string TfrmBaseGene::PickDate(const std::string& text) {
    if (!LookupWindow.isDispatch()) return {};
    const std::string initial = text.size() == 8 ? text : FormatDateTime("yyyymmdd", Date());
    std::string picked;
    try {
        picked = Trim(VarToStr(CallMethod(LookupWindow, "ShowInputDay",
                                          {Variant::ArrayOf({Variant(DateStyle() > 3), Variant(initial),
                                                             Variant(DatabaseName)})})));
    } catch (const std::exception& e) {
        RecordError(e.what());
        return text;
    }
    if (picked.empty()) return text;
    return FormatDateByStyle(DateStyle(), DateSeparator(), DateFromYMDText(picked));
}

void TfrmBaseGene::LookupData(const std::string& key, const std::string& mode, Variant& result, bool multi,
                              const std::string& text, const Variant& params) {
    result = Variant();
    if (!LookupWindow.isDispatch()) return;
    auto toData = [this](const Variant& v) { return KwConverter() ? KwConverter()->ConvertToDBVariant(v) : v; };
    const Variant arguments = Variant::ArrayOf(std::vector<Variant>{
        Variant(key), Variant(mode), toData(params), Variant(multi), toData(Variant(text)), Variant(CompanyId),
        Variant(DatabaseName), Variant(static_cast<int64_t>(Handle())), Variant(1), Variant(false),
        Variant(ProductId), Variant(std::string()), Variant(std::string()), Variant(std::string()),
        Variant(WideToMultiByte(LimitText, CP_ACP)), Variant(RightsFlagB), Variant(RightsFlagA), HostObject,
        Variant(UserId),
    });
    try {
        result = CallMethod(LookupWindow, "F2GetData", {arguments});
    } catch (const std::exception& e) {
        RecordError(e.what());
        result = Variant();
        return;
    }
    if (Converted() && KwConverter()) result = KwConverter()->ConvertDBVariant(result);
}

void TfrmBaseGene::FillFromPhrase(TWinControl* control) {
    std::string text;
    if (LookupWindow.isDispatch()) {
        try {
            Args args{Variant(UserId), Variant(DatabaseName), Variant(static_cast<int64_t>(Handle()))};
            text = VarToStr(LookupWindow.toObject()->Invoke("GetPhrase", args));
        } catch (const std::exception& e) {
            RecordError(e.what());
        }
    }
    if (Converted() && KwConverter()) text = VarToStr(KwConverter()->ConvertDBVariant(Variant(text)));
    if (!text.empty() && control) control->SetText(text);
}

// ---- Date style -------------------------------------------------------------

int TfrmBaseGene::DateStyle() { return StrToIntDef(GetSysInfo("Sys001"), 1); }

std::string TfrmBaseGene::DateSeparator() {
    const std::string separator = GetSysInfo("Sys002");
    return separator.empty() ? "/" : separator;
}

}  // namespace kw
