// The shell's services answering from a fresh demo database.
#include <gtest/gtest.h>

#include <map>

#include "host/CounterService.h"
#include "host/HostObject.h"
#include "host/LookupTables.h"
#include "platform/Automation.h"
#include "platform/HeadlessBackend.h"
#include "platform/InputSim.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "tests/classlib/HeadlessFixture.h"
#include "tests/host/HostTestSupport.h"

namespace kw::testing {
namespace {

class ShellServicesTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(demo.Ready());
        data = TShellData::OpenDefault();
        host = std::make_shared<THostObject>(data);
    }

    Variant Service(const char* name) { return CallMethod(AutoRef(host), name); }

    DemoInstallation demo;
    std::shared_ptr<TShellData> data;
    std::shared_ptr<THostObject> host;
};

std::vector<std::string> RowTexts(const Variant& row) {
    std::vector<std::string> texts;
    for (const Variant& column : row.array().items()) texts.push_back(Utf8(column));
    return texts;
}

TEST_F(ShellServicesTest, HostObjectAnswersItsCallsAndHandsOutOneObjectPerService) {
    EXPECT_EQ(Service("VersionType").toInt(), THostObject::DefaultVersionType);
    EXPECT_EQ(Service("ProductID").toInt(), THostObject::DefaultProductId);
    for (const char* service : {"Com_Counter", "Com_Validator", "Com_F2Window"}) {
        Variant first = Service(service);
        ASSERT_TRUE(first.isDispatch()) << service;
        EXPECT_EQ(first.toObject(), Service(service).toObject()) << service;
    }
}

TEST_F(ShellServicesTest, HelpCallsAreRecordedInTheShellsLog) {
    CallMethod(AutoRef(host), "CallHelp", {Variant::ArrayOf({Variant("KTX"), Variant("12580000")})});
    const std::string log = ReadWholeFile(demo.Path() + "Client/Log/Alert_kwshell_" +
                                          FormatDateTime("yyyymmdd", Date()) + ".log");
    EXPECT_NE(log.find("CallHelp KTX 12580000"), std::string::npos) << log;
}

TEST_F(ShellServicesTest, CatalogueTextsComeInTheDataCodePage) {
    Variant text = CallMethod(AutoRef(host), "GetMessage", {Variant("E"), Variant("000006")});
    EXPECT_EQ(text.codePage(), CP_GBK);
    EXPECT_EQ(Utf8(text), "无法连接应用服务器, 请检查服务器设置!");
    EXPECT_EQ(Utf8(CallMethod(AutoRef(host), "GetMessage", {Variant("w"), Variant("000004")})), "%s 不存在!");
    EXPECT_EQ(Utf8(CallMethod(AutoRef(host), "GetMessage", {Variant("E"), Variant("999999")})), "E;999999");

    THostObject english(std::make_shared<TShellData>(OpenCompanyDb(), CP_US, true));
    EXPECT_EQ(english.MessageText("E", "000037"), "A required field is empty.");
}

TEST_F(ShellServicesTest, SystemInformationIsAKeyValueTable) {
    Args args{Variant("DEMO")};
    Variant info = Service("Com_Counter").toObject()->Invoke("GetSysInfo", args);
    ASSERT_EQ(info.dimCount(), 2);
    std::map<std::string, std::string> values;
    for (int i = info.array().low(2); i <= info.array().high(2); ++i)
        values[Utf8(info.array().at({0, i}))] = Utf8(info.array().at({1, i}));
    EXPECT_EQ(values["Sys001"], "1");
    EXPECT_EQ(values["Sys002"], "/");
    EXPECT_EQ(values["KWT002"], "科维办公家具(演示)有限公司");
    EXPECT_EQ(values["SYS181"], "Y");

    Args unknown{Variant("NOSUCH")};
    Variant none = Service("Com_Counter").toObject()->Invoke("GetSysInfo", unknown);
    ASSERT_EQ(none.dimCount(), 2);
    EXPECT_EQ(none.array().bound(2).count(), 0);
}

struct ValidatorCase {
    const char* table;
    const char* kind;
    std::vector<std::string> params;
    bool found;
    std::map<int, std::string> expected;  // element -> UTF-8 text
};

TEST_F(ShellServicesTest, ValidatorChecksEveryTableTheFormsUse) {
    data->Db().Execute(
        "INSERT INTO CONSAVE (NCONDITION, CREATOR, CREATE_DATE, PROGRAMME) VALUES ('月结', 'DS', '20240105', 'KTXR58')");
    const ValidatorCase cases[] = {
        {"ADMMB", "01", {"ktxr58"}, true, {{0, "产品结构明细表"}, {4, "Y"}, {7, "Bill of Materials Listing"}}},
        {"ADMMB", "01", {"NOPE99"}, false, {}},
        {"ADMMB", "11", {"KTXR59"}, true, {{0, "KTXR59"}, {3, "Y"}}},
        {"ADMMB", "11", {"KTXR58"}, true, {{3, "N"}}},
        {"CMSMT", "01", {"KTXR58"}, true,
         {{0, "F01"}, {1, "Y"}, {3, "本报表仅供内部使用"}, {4, "如有疑问请联系生管部"}, {6, "S01"}, {7, "Y"},
          {9, "制表:"}, {10, "审核:"}, {11, "核准:"}}},
        {"CMSMT", "01", {"KTXR57"}, false, {}},
        {"CMSMS", "01", {"1", "F02"}, true, {{1, "机密文件 未经许可不得外传"}, {3, "版本: A"}}},
        {"CMSMS", "01", {"2", "S02"}, true, {{1, "成本会计:"}, {2, "财务主管:"}, {3, "总经理:"}}},
        {"CMSMS", "01", {"1", "S01"}, false, {}},
        {"GENES", "01", {"月结", "DS", "ktxr58"}, true, {{0, "月结"}, {2, "20240105"}}},
        {"GENES", "01", {"月结", "LIMEI", "KTXR58"}, false, {}},
        {"CMSMA", "02", {""}, true, {{0, "http://127.0.0.1:8080/KwReport"}}},
        {"KWTMA", "01", {"zhangwei"}, true, {{1, "张伟"}, {3, "zhangwei@demo.example"}}},
        {"BOMMJ", "01", {"FG-CH01"}, true, {{1, "人体工学办公椅"}}},
        {"BOMMJ", "01", {"PT-GAS01"}, false, {}},
        {"NOSUCH", "01", {"X"}, false, {}},
    };
    AutoRef validator = Service("Com_Validator").toObject();
    validator->PutProperty("ProductID", Variant(1));
    validator->PutProperty("BaseLimited", Variant("PMC\x03" "0\x03"));
    EXPECT_EQ(validator->GetProperty("ProductID").toInt(), 1);
    for (const ValidatorCase& c : cases) {
        std::vector<Variant> params;
        for (const std::string& p : c.params) params.push_back(data->DataText(p));
        Args args{Variant(c.table), Variant(c.kind), Variant("DEMO"), Variant::ArrayOf(params), Variant("stale")};
        const bool found = validator->Invoke("CheckValue", args).toBool();
        SCOPED_TRACE(std::string(c.table) + " " + c.kind);
        ASSERT_EQ(found, c.found);
        if (!found) {
            EXPECT_TRUE(args[4].isEmpty()) << "a failed check leaves no record";
            continue;
        }
        std::vector<std::string> record = RowTexts(args[4]);
        for (const auto& [index, text] : c.expected) {
            ASSERT_LT(static_cast<size_t>(index), record.size());
            EXPECT_EQ(record[index], text) << "element " << index;
        }
    }
}

TEST_F(ShellServicesTest, ValidatorQueryAnswersAllRows) {
    AutoRef validator = Service("Com_Validator").toObject();
    Args args{Variant("ADMMB"), Variant("01"), Variant("DEMO"), Variant::ArrayOf({Variant("KTXR58")}), Variant()};
    ASSERT_TRUE(validator->Invoke("QueryData", args).toBool());
    ASSERT_EQ(args[4].array().size(), 1u);
    EXPECT_EQ(Utf8(args[4][0][0]), "产品结构明细表");
}

TEST_F(ShellServicesTest, SimpleSqlCounterReadsSettingsAndRefusesAnythingButOneSelect) {
    AutoRef counter = Service("Com_Counter").toObject();
    auto ask = [&](const std::string& sql, const std::string& columns) {
        Args args{Variant("SIMPLESQL"), Variant::ArrayOf({Variant(sql), Variant(columns)}),
                  Variant::ArrayOf({Variant("DEMO"), Variant("DEMO")})};
        return counter->Invoke("GetCounter", args);
    };
    Variant portal = ask("SELECT MA003 FROM KWTINTMA WHERE MA001='StartupPortal' ", "MA003");
    ASSERT_TRUE(portal.isArray());
    ASSERT_EQ(portal.array().size(), 1u);
    EXPECT_EQ(Utf8(portal[0][0]), "N");
    Variant names = ask("SELECT MA001, MA002 FROM KWTMA ORDER BY MA001", "ma002");
    ASSERT_EQ(names.array().size(), 3u);
    EXPECT_EQ(RowTexts(names[0]), std::vector<std::string>{"系统管理员"});
    EXPECT_TRUE(ask("SELECT MA003 FROM KWTINTMA WHERE MA001='nothing'", "MA003").array().size() == 0);
    EXPECT_TRUE(ask("SELECT MA003 FROM KWTINTMA", "NOSUCH").isEmpty());
    EXPECT_TRUE(ask("DELETE FROM KWTMA", "").isEmpty());
    EXPECT_TRUE(ask("SELECT 1; DELETE FROM KWTMA", "").isEmpty());
    EXPECT_EQ(DbInt(data->Db().Query("SELECT COUNT(*) FROM KWTMA").rows[0][0]), 3);

    Args unknown{Variant("NOSUCH"), Variant(), Variant()};
    EXPECT_TRUE(counter->Invoke("GetCounter", unknown).isEmpty());
}

TEST(ShellStatementGuard, OnlyOneSelectPasses) {
    const std::pair<const char*, bool> cases[] = {
        {"SELECT 1", true},           {"  select MA003 from KWTINTMA ; ", true},
        {"SELECT\n*\nFROM KWTMA", true}, {"SELECTX FROM T", false},
        {"UPDATE KWTMA SET MA002=''", false}, {"SELECT 1; SELECT 2", false},
        {"", false},
    };
    for (const auto& [sql, passes] : cases) EXPECT_EQ(IsSingleSelect(sql), passes) << sql;
}

// Works the lookup chooser like a user: highlight rows and take them.
void Take(TCustomForm& form, std::vector<int> rows, bool multi) {
    auto* list = form.Find<TListBox>("lstRows");
    ASSERT_NE(list, nullptr);
    for (int row : rows) {
        list->SetItemIndex(row);
        if (multi) ClickControl(*form.Find<TControl>("btnAdd"));
    }
    ClickControl(*form.Find<TControl>("btnOk"));
}

Variant LookupArgs(const char* key, const char* mode, Variant params, bool multi, const char* text) {
    return Variant::ArrayOf({Variant(key), Variant(mode), params, Variant(multi), Variant(text), Variant("DEMO"),
                             Variant("DEMO"), Variant(0), Variant(1), Variant(false), Variant(1), Variant(""),
                             Variant(""), Variant(""), Variant(""), Variant(true), Variant(true), Variant(),
                             Variant("DS")});
}

TEST_F(ShellServicesTest, LookupWindowAnswersTheChosenRows) {
    AutoRef window = Service("Com_F2Window").toObject();
    auto lookup = [&](Variant args) {
        Args a{std::move(args)};
        return window->Invoke("F2GetData", a);
    };
    const Variant blank = Variant::ArrayOf({Variant("")});

    ui.AnswerWith([](TCustomForm& f) { Take(f, {1}, false); }, "主件品号");
    Variant single = lookup(LookupArgs("BOMMJ", "01", blank, false, ""));
    ASSERT_TRUE(single.isArray());
    ASSERT_EQ(single.array().size(), 1u);
    EXPECT_EQ(RowTexts(single[0]), (std::vector<std::string>{"FG-CH02", "会议椅", "皮面/固定扶手", "PCS",
                                                              "20230110", ""}));

    ui.AnswerWith([](TCustomForm& f) { Take(f, {3, 0}, true); });
    Variant several = lookup(LookupArgs("BOMMJ", "01", blank, true, ""));
    ASSERT_EQ(several.array().size(), 2u);
    EXPECT_EQ(Utf8(several[0][0]), "FG-DK02");
    EXPECT_EQ(Utf8(several[1][0]), "FG-CH01");

    int highlighted = -1;
    ui.AnswerWith([&](TCustomForm& f) { highlighted = f.Find<TListBox>("lstRows")->ItemIndex(); }, "");
    ui.Answer(mrCancel);
    EXPECT_TRUE(lookup(LookupArgs("BOMMJ", "01", blank, false, "FG-DK")).isEmpty());
    EXPECT_EQ(highlighted, 2) << "the row the control's text begins";

    ui.AnswerWith([](TCustomForm& f) { Take(f, {2}, false); }, "页脚签核");
    Variant signOff = lookup(LookupArgs("CMSMS", "01", Variant::ArrayOf({Variant("2")}), false, ""));
    EXPECT_EQ(RowTexts(signOff[0]), (std::vector<std::string>{"S03", "Sign-off (EN)", "Prepared by:", "Checked by:",
                                                               "Approved by:"}));

    ui.AnswerWith([](TCustomForm& f) { Take(f, {0}, false); });
    Variant users = lookup(LookupArgs("KWTMA", "04", Variant("04"), false, ""));
    EXPECT_EQ(RowTexts(users[0]), (std::vector<std::string>{"DS", "系统管理员", "", "admin@demo.example"}));

    EXPECT_TRUE(lookup(LookupArgs("NOSUCH", "01", blank, false, "")).isEmpty()) << "no chooser for an unknown lookup";
}

TEST_F(ShellServicesTest, DatePickerAnswersTheDayOrNothing) {
    AutoRef window = Service("Com_F2Window").toObject();
    auto pick = [&](bool republic, const char* initial) {
        Args a{Variant::ArrayOf({Variant(republic), Variant(initial), Variant("DEMO")})};
        return Utf8(window->Invoke("ShowInputDay", a));
    };
    auto edit = [](TCustomForm& f) { return f.Find<TEdit>("edDate"); };

    std::string shown;
    ui.AnswerWith([&](TCustomForm& f) {
        shown = edit(f)->Text();
        ClickControl(*f.Find<TControl>("btnNextDay"));
        ClickControl(*f.Find<TControl>("btnOk"));
    });
    EXPECT_EQ(pick(false, "20040131"), "20040201");
    EXPECT_EQ(shown, "2004/01/31");

    ui.AnswerWith([&](TCustomForm& f) {
        shown = edit(f)->Text();
        ClickControl(*f.Find<TControl>("btnPrevMonth"));
        ClickControl(*f.Find<TControl>("btnOk"));
    });
    EXPECT_EQ(pick(true, "20040105"), "20031205");
    EXPECT_EQ(shown, "93/01/05") << "years counted from 1912";

    ui.AnswerWith([](TCustomForm& f) {
        f.Find<TEdit>("edDate")->SetText("2004/02/30");
        ClickControl(*f.Find<TControl>("btnOk"));
    });
    ui.Answer(mrOk, "日期不正确");
    ui.AnswerWith([](TCustomForm& f) {
        f.Find<TEdit>("edDate")->SetText("2004/02/29");
        ClickControl(*f.Find<TControl>("btnOk"));
    });
    EXPECT_EQ(pick(false, "20040105"), "20040229");

    ui.Answer(mrCancel);
    EXPECT_EQ(pick(false, "20040105"), "");
}

TEST_F(ShellServicesTest, FileListDescribesAServerProgramFile) {
    const std::string file = demo.Write("Server/S_PKG/KTXR58S.so", "library");
    Args args{Variant::ArrayOf({Variant("ktxr58s.so")})};
    const std::string record = Utf8(host->Invoke("GetFileList", args));
    EXPECT_NE(record.find("<Path>" + file + "</Path>"), std::string::npos) << record;
    const size_t stamp = record.find("<Modify>") + 8;
    EXPECT_EQ(record.find("</Modify>") - stamp, 14u) << record;

    Args missing{Variant::ArrayOf({Variant("nosuchs.so")})};
    EXPECT_EQ(Utf8(host->Invoke("GetFileList", missing)), "");
}

TEST_F(ShellServicesTest, HostObjectIsCreatedByClassName) {
    AutoRef created = CreateOleObject(HostClassName);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(Utf8(CallMethod(created, "GetMessage", {Variant("I"), Variant("000011")})), "制表日期");
}

TEST(ShellLookupTables, EveryEntryIsUniqueAndNamesItsColumns) {
    const auto& specs = LookupSpecs();
    for (size_t i = 0; i < specs.size(); ++i) {
        EXPECT_FALSE(specs[i].Columns.empty()) << specs[i].Table;
        for (size_t j = i + 1; j < specs.size(); ++j)
            EXPECT_FALSE(specs[i].Use == specs[j].Use && std::string(specs[i].Table) == specs[j].Table &&
                         std::string(specs[i].Kind) == specs[j].Kind)
                << specs[i].Table << " " << specs[i].Kind;
    }
}

}  // namespace
}  // namespace kw::testing
