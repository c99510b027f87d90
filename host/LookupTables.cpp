#include "host/LookupTables.h"

#include "platform/SysUtils.h"

namespace kw {

namespace {

// Parent items: items that head a bill of materials.
constexpr const char* kParentItems =
    "SELECT MC001, MB002, MB003, MB004, MC003, MC004 FROM BOMMC JOIN INVMB ON MB001 = MC001 "
    "WHERE (? = '' OR MC001 = ?) ORDER BY MC001";

const std::vector<TLookupColumn> kItemColumns = {{"品号"}, {"品名"}, {"规格"}, {"单位"}, {"录入日期"}, {"变更日期"}};

}  // namespace

const std::vector<TLookupSpec>& LookupSpecs() {
    static const std::vector<TLookupSpec> specs = {
        // ---- Checks: one record per key ----
        // Program register: [0] name, [1] traditional name, [2] program kind,
        // [3] system code, [4] "Y" = log every run, [5] "Y" = no direct
        // query, [6] program code, [7] English name.
        {"ADMMB", "01", TLookupUse::Check, "程序",
         "SELECT MB002, MB003, MB005, MB008, MB006, MB007, MB001, MB004 FROM ADMMB WHERE MB001 = upper(?)",
         {0},
         {{"名称"}, {"繁体名称"}, {"类别"}, {"系统"}, {"记录"}, {"禁止查询"}, {"代号"}, {"英文名称"}}},
        // Query rule of a program: [3] "Y" = no direct query on the client.
        {"ADMMB", "11", TLookupUse::Check, "程序",
         "SELECT MB001, MB002, MB005, MB007 FROM ADMMB WHERE MB001 = upper(?)",
         {0},
         {{"代号"}, {"名称"}, {"类别"}, {"禁止查询"}}},
        // Footer and sign-off defaults of a program: [0] footer id, [1] "Y" =
        // footer may be changed, [2] footer on every page, [3]-[5] footer
        // lines, [6] sign-off id, [7] "Y" = sign-off may be changed, [8]
        // sign-off on every page, [9]-[11] sign-off lines.
        {"CMSMT", "01", TLookupUse::Check, "页脚签核设置",
         "SELECT MT002, MT003, MT004, MT005, MT006, MT007, MT008, MT009, MT010, MT011, MT012, MT013 "
         "FROM CMSMT WHERE MT001 = upper(?)",
         {0},
         {{"页脚"}, {"可改页脚"}, {"每页页脚"}, {"页脚一"}, {"页脚二"}, {"页脚三"},
          {"签核"}, {"可改签核"}, {"每页签核"}, {"签核一"}, {"签核二"}, {"签核三"}}},
        // A footer ("1") or sign-off ("2") by id: [0] description, [1]-[3] lines.
        {"CMSMS", "01", TLookupUse::Check, "页脚签核",
         "SELECT MS003, MS004, MS005, MS006 FROM CMSMS WHERE MS001 = ? AND MS002 = ?",
         {0, 1},
         {{"说明"}, {"第一行"}, {"第二行"}, {"第三行"}}},
        // Web report site: [0] its address.
        {"CMSMA", "02", TLookupUse::Check, "Web 报表",
         "SELECT SITE_URL FROM WEBREPORTCONFIG WHERE CONFIG_ID = 1",
         {},
         {{"地址"}}},
        // Condition scheme of a user and program: [name, user, program code].
        {"GENES", "01", TLookupUse::Check, "条件方案",
         "SELECT NCONDITION, CREATOR, CREATE_DATE, PROGRAMME FROM CONSAVE "
         "WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = upper(?)",
         {0, 1, 2},
         {{"方案名称"}, {"创建人"}, {"创建日期"}, {"程序"}}},
        // A user: code, name, mobile, e-mail, department, language, administrator.
        {"KWTMA", "01", TLookupUse::Check, "用户",
         "SELECT MA001, MA002, MA003, MA004, MA005, MA006, MA007 FROM KWTMA WHERE MA001 = upper(?)",
         {0},
         {{"用户"}, {"姓名"}, {"手机"}, {"电子邮件"}, {"部门"}, {"语言"}, {"管理员"}}},
        // An item: number, name, size and model text, unit.
        {"INVMB", "01", TLookupUse::Check, "品号",
         "SELECT MB001, MB002, MB003, MB004 FROM INVMB WHERE MB001 = ?",
         {0},
         {{"品号"}, {"品名"}, {"规格"}, {"单位"}}},
        // A parent item of a bill of materials.
        {"BOMMJ", "01", TLookupUse::Check, "主件品号", kParentItems, {0, 0}, kItemColumns},

        // ---- Lookups: the rows a user chooses from ----
        // Parent items for the bills-of-materials reports (BOMMI: earlier key).
        {"BOMMJ", "01", TLookupUse::Lookup, "主件品号", kParentItems, {0, 0}, kItemColumns},
        {"BOMMI", "01", TLookupUse::Lookup, "主件品号", kParentItems, {0, 0}, kItemColumns},
        // Items.
        {"INVMB", "01", TLookupUse::Lookup, "品号",
         "SELECT MB001, MB002, MB003, MB004 FROM INVMB ORDER BY MB001",
         {},
         {{"品号"}, {"品名"}, {"规格"}, {"单位"}}},
        // Footers (["1"]) or sign-offs (["2"]): [0] id, [1] description, [2]-[4] lines.
        {"CMSMS", "01", TLookupUse::Lookup, "页脚签核",
         "SELECT MS002, MS003, MS004, MS005, MS006 FROM CMSMS WHERE MS001 = ? ORDER BY MS002",
         {0},
         {{"代号"}, {"说明"}, {"第一行"}, {"第二行"}, {"第三行"}}},
        // Users to notify: code, name, mobile, e-mail.
        {"KWTMA", "04", TLookupUse::Lookup, "用户",
         "SELECT MA001, MA002, MA003, MA004 FROM KWTMA ORDER BY MA001",
         {},
         {{"用户"}, {"姓名"}, {"手机"}, {"电子邮件"}}},
        // Programs.
        {"ADMMB", "01", TLookupUse::Lookup, "程序",
         "SELECT MB001, MB002, MB004 FROM ADMMB ORDER BY MB001",
         {},
         {{"代号"}, {"名称"}, {"英文名称"}}},
    };
    return specs;
}

const TLookupSpec* FindLookup(const std::string& table, const std::string& kind, TLookupUse use) {
    for (const TLookupSpec& spec : LookupSpecs())
        if (spec.Use == use && SameText(spec.Table, Trim(table)) && SameText(spec.Kind, Trim(kind))) return &spec;
    return nullptr;
}

DbRows RunLookup(TCompanyDb& db, const TLookupSpec& spec, const std::vector<std::string>& params) {
    std::vector<DbValue> values;
    values.reserve(spec.Binds.size());
    for (int index : spec.Binds) {
        const bool given = index >= 0 && static_cast<size_t>(index) < params.size();
        values.emplace_back(given ? params[index] : std::string());
    }
    return db.Query(spec.Sql, values);
}

}  // namespace kw
