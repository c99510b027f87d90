#include "tests/appserver/SampleJobParams.h"

#include "platform/CodePage.h"
#include "platform/SysUtils.h"

namespace kw::testing {

namespace {

Variant W(const char* utf8) { return Variant(Utf8ToWide(utf8)); }

Variant Pair(const char* caption, const char* component) { return Variant::ArrayOf({W(caption), W(component)}); }

}  // namespace

Variant Ktxr58JobParams(const std::string& user) {
    const double now = Now();
    Variant header = Variant::ArrayOf(1, {W("KTXR58"), Variant(14), Variant(10), W("DEMO"), W(user.c_str()),
                                          W("KWTDEMO"), Variant::FromDate(now), W("KTXR58S.Class1"), W("R"),
                                          Variant(0), Variant::FromDate(now), W(""), Variant(1), W("")});
    Variant captions = Variant::ArrayOf(1, {
        Pair("选择品号", "sp01"), Pair("选择录入日期", "sp02"), Pair("选择更改日期", "sp03"),
        Pair("不同品号分页", "chk04"), Pair("选择有效日期", "me05"), Pair("仅打印纳入标准成本元件品号", "chk06"),
        Pair("签核", "grpSignIn"), Pair("页脚", "grpNote"), Pair("日期类型", "cboDateType"),
        Pair("制表日期", "edPrintDate")});
    Variant items = Variant::ArrayOf({W("\x05"), Variant::ArrayOf({W("FG-CH01"), W("人体工学办公椅")}),
                                      Variant::ArrayOf({W("FG-CH02"), W("会议椅")}),
                                      Variant::ArrayOf({W("FG-DK01"), W("电动升降办公桌")})});
    Variant values = Variant::ArrayOf(1, {
        items,
        Variant::ArrayOf({W("\x04"), W("20230101"), W("20231231")}),
        Variant::ArrayOf({W("\x04"), W(""), W("")}),
        W("N"),
        W("20240101"),
        W("Y"),
        Variant::ArrayOf({W("每页打印签核"), Variant(false), W("S01"), W("制表:"), W("审核:"), W("核准:")}),
        Variant::ArrayOf({W("每页打印页脚"), Variant(false), W("F01"), W("本报表仅供内部使用"),
                          W("如有疑问请联系生管部"), W("")}),
        Variant::ArrayOf({Variant(1), W("公历 YYYYMMDD")}),
        W("20240115")});
    return Variant::ArrayOf({header, captions, values});
}

Variant Ktxr58PeriodicJobParams(const std::string& user) {
    Variant single = Ktxr58JobParams(user);
    single[0][9] = W("r");
    single[0][10] = Variant(2);
    Variant cycle = Variant::ArrayOf({Variant(2), Variant::ArrayOf({Variant(0), W("1"), W("5")})});
    Variant schedule = Variant::ArrayOf({W("Y"), W("06:30"), cycle, Variant::ArrayOf({W("20240201"), Variant(0)})});
    Variant rules = Variant::ArrayOf({Variant(1), W("0\x03sp02\x03Y\x03-1\x03" "1\x03" "1\x03" "0\x03N\x03" "0\x03"
                                                    "0\x03" "0\x03" "0\x03" "2")});
    return Variant::ArrayOf({single[0], single[1], single[2], schedule, rules});
}

}  // namespace kw::testing
