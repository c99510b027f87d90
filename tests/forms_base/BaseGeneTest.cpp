#include "forms/base/BaseGene.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "forms/report/Ktxr58CF.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/Grids.h"
#include "platform/InputSim.h"
#include "platform/Mask.h"
#include "platform/SocketConn.h"
#include "platform/StdCtrls.h"
#include "tests/classlib/HeadlessFixture.h"
#include "tests/forms_base/FakeHost.h"

using namespace kw;
using namespace kw::testing;

namespace {

// A KTXR58 form that records the request hook.
class ProbeForm : public TfrmKtxr58 {
public:
    using TfrmKtxr58::TfrmKtxr58;
    std::vector<int> Requests;
    bool HandleRequest(int mode) override {
        Requests.push_back(mode);
        return true;
    }
};

class BaseGeneTest : public HeadlessTest {
protected:
    std::filesystem::path folder = std::filesystem::temp_directory_path() / ("kwt_basegene_" + std::to_string(::getpid()));
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    ProbeForm* form = nullptr;

    void SetUp() override {
        HeadlessTest::SetUp();
        std::filesystem::create_directories(folder);
        // No registry or settings files: the form keeps its designed address
        // 127.0.0.1 and creates the report counter in this process.
        ::setenv("KWT_REGISTRY", (folder / "none.reg").c_str(), 1);
        ::setenv("KWT_COMPANY_DB", (folder / "Company.db").c_str(), 1);
        form = CreateForm<ProbeForm>(nullptr);
        form->SetModuleFileName("/opt/kwt/KTXR58C.so");
        form->HostObject = Variant(AutoRef(host));
    }
    void TearDown() override {
        if (form) form->Free();
        Application()->ProcessMessages();
        HeadlessTest::TearDown();
        std::filesystem::remove_all(folder);
    }
    static Variant ShellParams(int count) {
        std::vector<Variant> items{Variant("DS"), Variant("DEMO"), Variant("KWDEMO"), Variant(0), Variant()};
        items.resize(static_cast<size_t>(count));
        return Variant::ArrayOf(items);
    }
    // Keeps the form from freeing itself on a posted close request.
    void DropPostedClose() { form->OnClose = [](TObject*, TCloseAction& action) { action = caNone; }; }
};

}  // namespace

TEST_F(BaseGeneTest, InitializesFromTheShellParameters) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    EXPECT_EQ(form->UserId, "DS");
    EXPECT_EQ(form->CompanyId, "DEMO");
    EXPECT_EQ(form->DatabaseName, "KWDEMO");
    EXPECT_EQ(form->ProgramCode, "KTXR58");
    EXPECT_EQ(form->ServerClassName, "KTXR58S.Class1");
    EXPECT_EQ(form->CompanyName, "Demo Co.");
    EXPECT_EQ(form->ProductId, 1);
    EXPECT_TRUE(form->LocalServer);
    EXPECT_TRUE(form->AppServer.isDispatch());
    EXPECT_EQ(form->ConditionCount, 1);
    EXPECT_TRUE(form->MessageCodes.empty());
}

TEST_F(BaseGeneTest, SecondInitializeIsRefusedAndChangesNothing) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    EXPECT_FALSE(form->Initialize(Variant::ArrayOf({Variant("X"), Variant("OTHER"), Variant("DB"), Variant(0),
                                                    Variant()})));
    EXPECT_EQ(form->CompanyId, "DEMO");
    EXPECT_EQ(form->UserId, "DS");
}

TEST_F(BaseGeneTest, ParametersWithoutElementFourFailTheConnection) {
    DropPostedClose();
    ui.Answer(mrOk, "MSG E;000038");
    ui.Answer(mrOk, "MSG E;000038");  // shown again by the connection step
    ui.Answer(mrOk, "MSG E;000006");
    EXPECT_FALSE(form->Initialize(ShellParams(4)));
    EXPECT_NE(form->MessageCodes.find("E;000006"), std::string::npos);
}

TEST_F(BaseGeneTest, FormNameMustRepeatTheProgramCode) {
    DropPostedClose();
    form->SetName("frmKtx58");  // characters 4-6 "Ktx" match "KTX" ignoring case
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    EXPECT_TRUE(form->AppServer.isDispatch());

    ProbeForm* other = CreateForm<ProbeForm>(nullptr);
    other->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    other->SetModuleFileName("/opt/kwt/KTXR58C.so");
    other->HostObject = Variant(AutoRef(host));
    other->SetName("frmAbc58");
    ui.Answer(mrOk, "MSG E;000036");
    EXPECT_TRUE(other->Initialize(ShellParams(5)));
    EXPECT_FALSE(other->AppServer.isDispatch());  // no connection was made
    other->Free();
}

TEST_F(BaseGeneTest, HostWithoutVersionTypeRecordsTheErrorSilently) {
    auto bare = std::make_shared<DispatchObject>("Bare.Host");
    form->HostObject = Variant(AutoRef(bare));
    EXPECT_FALSE(form->Initialize(ShellParams(5)));
    EXPECT_NE(form->MessageTexts.find("VersionType"), std::string::npos);
    EXPECT_EQ(form->MessageCodes, "E;-1; ");
}

TEST_F(BaseGeneTest, ProgramCodeComesFromTheModuleFileName) {
    struct Case {
        const char* file;
        const char* code;
        bool library;
    } cases[] = {
        {"/opt/kwt/KTXR58C.so", "KTXR58", true},
        {"C:\\KWT\\KTXR58C.Dll", "KTXR58", true},
        {"/opt/kwt/ktxr58c.DLL", "ktxr58", true},
        {"/opt/kwt/KTXR58X1.so", "KTXR58X", true},
        {"/opt/kwt/KT.so", "KT.so", true},  // at least six characters
    };
    for (const auto& c : cases) {
        form->ModuleFileName = c.file;
        EXPECT_EQ(form->IsLibraryBuild(), c.library) << c.file;
        EXPECT_EQ(form->ProgramCodeFromFile(), c.code) << c.file;
    }
}

TEST_F(BaseGeneTest, ConditionCountAddsTheReservedSlotsOnce) {
    form->ReservedCount = 1;
    form->ConditionCount = 0;
    form->SetConditionCount(0);  // base: 0 + 1
    EXPECT_EQ(form->ConditionCount, 1);
    form->ReservedCount = 5;
    form->SetConditionCount(0);  // a layer with its reserved slots
    EXPECT_EQ(form->ConditionCount, 5);
    form->SetConditionCount(7);  // not above the reserved count yet: 7 + 5
    EXPECT_EQ(form->ConditionCount, 12);
    form->SetConditionCount(9);  // above it: the count stands alone
    EXPECT_EQ(form->ConditionCount, 9);
}

TEST_F(BaseGeneTest, HelpNumberFollowsTheProgramCode) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    struct Case {
        const char* code;
        const char* number;  // "" = no help
    } cases[] = {
        {"KTXR58", "12580000"}, {"COPB12", "13120000"}, {"INVAB3", "63B30000"},
        {"PURMR7", "82R70000"}, {"ACRX01", ""},       {"ACRAX1", ""},
    };
    for (const auto& c : cases) {
        host->HelpCalls.clear();
        form->ProgramCode = c.code;
        form->ShowHelp();
        if (*c.number == '\0') {
            EXPECT_TRUE(host->HelpCalls.empty()) << c.code;
            continue;
        }
        ASSERT_EQ(host->HelpCalls.size(), 1u) << c.code;
        EXPECT_EQ(host->HelpCalls[0][0].toString(), std::string(c.code).substr(0, 3));
        EXPECT_EQ(host->HelpCalls[0][1].toString(), c.number) << c.code;
    }
}

TEST_F(BaseGeneTest, UserRightsRecord) {
    const Variant rights = Variant::ArrayOf({
        Variant("ignored"),
        Variant("F1,Y,N,ABCDEFNY,F5,F6"),
        Variant("extra"),
        Variant("web7"),
        Variant("LIM"),
        Variant::ArrayOf({Variant(2), Variant("P"), Variant("Q")}),
    });
    form->ApplyUserRights(rights);
    EXPECT_EQ(form->RightsField1, "F1");
    EXPECT_TRUE(form->RightsFlag2);
    EXPECT_FALSE(form->RightsFlag3);
    EXPECT_FALSE(form->RightsFlagA);  // character 7 of f4 is "N"
    EXPECT_TRUE(form->RightsFlagB);
    EXPECT_EQ(form->WebUserId, "web7");
    EXPECT_EQ(form->LimitText, u"LIM\x03" u"2\x03P\x03Q\x03");

    form->ApplyUserRights(Variant::ArrayOf({Variant(), Variant("F1,N,N,ABC"), Variant(), Variant(), Variant(""),
                                            Variant::ArrayOf({Variant(0)})}));
    EXPECT_FALSE(form->RightsFlagA);  // missing characters count as "N"
    EXPECT_FALSE(form->RightsFlagB);
}

// ---- Message catalogue -------------------------------------------------

TEST_F(BaseGeneTest, SilentMessageIsLoggedButNotShown) {
    form->ShowCatalogMessages("I;-000004;abc");
    EXPECT_EQ(form->MessageCodes, "I;-000004;abc; ");
    EXPECT_EQ(form->MessageTexts, "MSG I;000004 abc; ");
    EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(BaseGeneTest, TextShownTwiceIsLoggedOnce) {
    ui.Answer(mrOk, "MSG E;000005");
    ui.Answer(mrOk, "MSG E;000005");
    form->ShowCatalogMessages("E;000005");
    form->ShowCatalogMessages("E;000005");
    EXPECT_EQ(ui.Shown().size(), 2u);
    EXPECT_EQ(form->MessageCodes, "E;000005; E;000005; ");
    EXPECT_EQ(form->MessageTexts, "MSG E;000005 ; ");
    form->ShowCatalogMessages("");
    EXPECT_TRUE(form->MessageCodes.empty());
    EXPECT_TRUE(form->MessageTexts.empty());
}

TEST_F(BaseGeneTest, NothingIsLoggedWhileCancelHasTheFocus) {
    form->Show();
    form->btnCancel->SetFocus();
    form->ShowCatalogMessages("E;000005");
    form->RecordError("boom");
    EXPECT_TRUE(form->MessageCodes.empty());
    EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(BaseGeneTest, CatalogueDialogButtonsDependOnTheCall) {
    bool hadCancel = true;
    ui.AnswerWith([&](TCustomForm& dialog) {
        hadCancel = dialog.FindComponent("Cancel") != nullptr;
        dialog.SetModalResult(mrOk);
    });
    form->ShowCatalogMessages("W;000003;a;b;c");
    EXPECT_FALSE(hadCancel);
    ui.AnswerWith([&](TCustomForm& dialog) {
        hadCancel = dialog.FindComponent("Cancel") != nullptr;
        dialog.SetModalResult(mrOk);
    });
    form->ShowCatalogDialog("W", "000003", 0, {Variant("a"), Variant("b"), Variant("c")});
    EXPECT_TRUE(hadCancel);
}

TEST_F(BaseGeneTest, WithoutHostTheCatalogueTextSaysSo) {
    form->HostObject = Variant();
    EXPECT_EQ(form->GetCatalogText("E", "000006"), "Can not Get Message\rType= E, ID= 000006 ");
}

// ---- Received payloads ---------------------------------------------------

namespace {

Variant Payload(int mode, bool apply, const std::string& componentName) {
    const Variant captions = Variant::ArrayOf({Variant::ArrayOf({Variant("Caption"), Variant(componentName)})});
    const Variant values = Variant::ArrayOf({captions, Variant::ArrayOf({Variant("v")})});
    return Variant::ArrayOf({Variant(true), Variant::ArrayOf({Variant(mode), Variant::ArrayOf({Variant(apply), values})})});
}

}  // namespace

TEST_F(BaseGeneTest, ReceivedPayloadClicksOkOnlyWhenAsked) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    int clicks = 0;
    form->btnOk->OnClick = [&](TObject*) { ++clicks; };
    struct Case {
        int mode;
        int clicks;
        size_t requests;
    } cases[] = {{1, 1, 0}, {0, 0, 0}, {3, 0, 1}};
    for (const auto& c : cases) {
        clicks = 0;
        form->Requests.clear();
        form->ReceiveParams(Payload(c.mode, true, "edPrintDate"));
        EXPECT_EQ(clicks, c.clicks) << "mode " << c.mode;
        EXPECT_EQ(form->Requests.size(), c.requests) << "mode " << c.mode;
        EXPECT_EQ(form->ShowSubmitInfo, c.mode <= 1);
    }
}

TEST_F(BaseGeneTest, ReceivedValuesNamingMissingComponentsAreRefused) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    int clicks = 0;
    form->btnOk->OnClick = [&](TObject*) { ++clicks; };
    ui.Answer(mrOk, "MSG W;000014");
    form->ReceiveParams(Payload(1, true, "spNoSuchPanel"));
    EXPECT_EQ(clicks, 0);
    form->ReceiveParams(Variant::ArrayOf({Variant(true), Variant("not an array")}));
    EXPECT_EQ(form->ReceivedPayload.toString(), "not an array");
}

// ---- Keys -------------------------------------------------------------------

TEST_F(BaseGeneTest, PropertiesDialogNeedsExactlyCtrlAndAlt) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    form->Show();
    PressKey('V', SS_CTRL | SS_ALT | SS_SHIFT);
    EXPECT_TRUE(ui.ShellCalls().empty());
    PressKey('V', SS_CTRL | SS_ALT);
    ASSERT_EQ(ui.ShellCalls().size(), 1u);
    EXPECT_EQ(ui.ShellCalls()[0].Verb, "properties");
    EXPECT_EQ(ui.ShellCalls()[0].File, "/opt/kwt/KTXR58C.so");
}

TEST_F(BaseGeneTest, CtrlTabAndCtrlPageKeysChangePages) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    form->Show();
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 0);
    PressKey(VK_TAB, SS_CTRL);
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 1);
    PressKey(VK_NEXT, SS_CTRL);  // already on the last page
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 1);
    PressKey(VK_PRIOR, SS_CTRL);
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 0);
}

TEST_F(BaseGeneTest, EnterInAMemoBreaksLinesUntilTheThirdLine) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    auto* memo = new TMemo(form);
    memo->SetParent(form->tsOption1);
    memo->SetTabOrder(0);
    form->PageEndControls().push_back(memo);
    form->Show();
    memo->SetFocus();
    memo->SetText("a\r\nb\r\nc");
    memo->SetCaretPos({0, 0});
    PressKey(VK_RETURN);
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 0);
    EXPECT_EQ(memo->Lines()->Count(), 4);  // the memo took the line break
    memo->SetCaretPos({0, 2});
    PressKey(VK_RETURN);
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 1);  // moved on to the next page
}

TEST_F(BaseGeneTest, EnterOnAPageEndControlOfTheLastPageDoesNothing) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    form->Show();
    form->pgOption->SetActivePageIndex(1);
    form->PageEndControls().push_back(form->edPrintDate);
    form->edPrintDate->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 1);
    EXPECT_EQ(form->ActiveControl(), form->edPrintDate);
}

TEST_F(BaseGeneTest, EnterWalksTheCellsOfAGrid) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    auto* grid = new TStringGrid(form);
    grid->SetParent(form->tsOption1);
    grid->SetColCount(3);
    grid->SetRowCount(2);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    form->Show();
    grid->SetFocus();
    grid->SetCol(1);
    grid->SetRow(1);
    PressKey(VK_RETURN);
    EXPECT_EQ(grid->Col(), 2);  // one cell to the right
    PressKey(VK_RETURN);        // last column of the last row: a new row
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 1);  // the first column that is not fixed
    EXPECT_EQ(form->ActiveControl(), grid);
}

TEST_F(BaseGeneTest, DateButtonAsksTheFormForTheLookupOfItsEdit) {
    ASSERT_TRUE(form->Initialize(ShellParams(5)));
    form->Show();
    form->pgOption->SetActivePageIndex(1);
    form->edPrintDate->SetText("2004/01/05");
    // No lookup window at this level: the date picker answers nothing and
    // F2 on the print date empties it, so the request reached that edit.
    auto* button = dynamic_cast<TControl*>(form->FindComponent("btnPrintDate"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(ClickControl(*button));
    EXPECT_EQ(form->edPrintDate->Text(), "");
    EXPECT_EQ(form->ActiveControl(), form->edPrintDate);
}
