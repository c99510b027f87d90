// A test host: drives a program module's controller through
// module/DLLBaseCtrller.h alone, slot by slot, as the shell does.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/HostObject.h"
#include "module/DLLBaseCtrller.h"
#include "platform/DynLib.h"
#include "platform/InputSim.h"
#include "tests/classlib/HeadlessFixture.h"
#include "tests/host/HostTestSupport.h"

namespace kw::testing {
namespace {

// The module stays loaded for the whole test program, as in the shell.
TGetControllerFunc ModuleGetController() {
    static DynLib* module = new DynLib(KWT_HOST_TEST_MODULE);
    return module->Function<TDLLBaseController*()>("GetController");
}

struct EventLog {
    std::vector<int32_t> codes;
    std::vector<TObject*> senders;
    int32_t resultAt304 = -99;
    Variant valueAt304;
    TDLLBaseController* controller = nullptr;

    static void Receive(void* data, int32_t code, TObject* sender) {
        auto& log = *static_cast<EventLog*>(data);
        log.codes.push_back(code);
        log.senders.push_back(sender);
        if (code == EV_FORM_DESTROYED) {
            log.resultAt304 = log.controller->ResultCode;
            log.valueAt304 = log.controller->ResultValue;
        }
    }
};

class ControllerContractTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(demo.Ready());
        ASSERT_NE(ModuleGetController(), nullptr) << KWT_HOST_TEST_MODULE;
        controller.reset(ModuleGetController()());
        log.controller = controller.get();
        controller->HostObject = Variant(AutoRef(std::make_shared<THostObject>(TShellData::OpenDefault())));
        controller->OnEvent = {&EventLog::Receive, &log};
    }
    void TearDown() override {
        controller.reset();
        HeadlessTest::TearDown();
    }

    static Variant ShellParams() {
        return Variant::ArrayOf({Variant("DS"), Variant("DEMO"), Variant("DEMO"), Variant(0), Variant("")});
    }
    void CreateShownForm() {
        ASSERT_EQ(controller->CreateForm(ShellParams()), 0);
        controller->SetVisible(-1);
        Application()->ProcessMessages();
        ASSERT_EQ(controller->GetVisible(), -1);
    }

    DemoInstallation demo;
    std::unique_ptr<TDLLBaseController> controller;
    EventLog log;
};

TEST_F(ControllerContractTest, WithoutAFormEverySlotAnswersNeutrally) {
    std::u16string version = u"as passed";
    controller->GetVersion(version);
    EXPECT_EQ(version, u"as passed");
    EXPECT_EQ(controller->GetVisible(), 0);
    controller->SetVisible(-1);
    EXPECT_EQ(controller->GetWindowHandle(), 0u);
    EXPECT_EQ(controller->SendParams(Variant::ArrayOf({Variant(1), Variant(2)})), -1);
    EXPECT_EQ(controller->SendNotice(5, Variant("x")), -1);
    Variant modal;
    controller->ShowModalForm(modal);
    EXPECT_EQ(modal.toInt(), 2);
    controller->FreeForm();
    Variant info("untouched");
    EXPECT_EQ(controller->GetFormInfo(info), -1);
    EXPECT_EQ(info.toString(), "untouched");
    EXPECT_TRUE(controller->IsFormFreed());
    EXPECT_TRUE(log.codes.empty());
}

TEST_F(ControllerContractTest, EachCallGivesAControllerOfItsOwn) {
    std::unique_ptr<TDLLBaseController> other(ModuleGetController()());
    EXPECT_NE(other.get(), controller.get());
    ASSERT_EQ(controller->CreateForm(ShellParams()), 0);
    EXPECT_TRUE(other->IsFormFreed());
    EXPECT_FALSE(controller->IsFormFreed());
}

TEST_F(ControllerContractTest, CreatedFormAnswersTheInformationSlots) {
    ASSERT_EQ(controller->CreateForm(ShellParams()), 0);
    EXPECT_EQ(log.codes, std::vector<int32_t>{EV_FORM_CREATED});
    EXPECT_EQ(log.senders.front(), reinterpret_cast<TObject*>(controller.get()));
    EXPECT_FALSE(controller->IsFormFreed());

    std::u16string version;
    controller->GetVersion(version);
    EXPECT_EQ(version, u"870401-0.00.00");
    EXPECT_NE(controller->GetWindowHandle(), 0u);
    EXPECT_EQ(controller->GetVisible(), 0) << "created hidden";

    Variant info;
    ASSERT_EQ(controller->GetFormInfo(info), 0);
    ASSERT_TRUE(info.isArray());
    EXPECT_EQ(info.low(), 0);
    ASSERT_EQ(info.high(), 3);
    EXPECT_EQ(Utf8(info[0]), "DS");
    EXPECT_EQ(Utf8(info[1]), "DEMO");
    EXPECT_EQ(Utf8(info[2]), "KTXR58");
    EXPECT_EQ(Utf8(info[3]), "产品结构明细表") << "the name from the program register";
}

TEST_F(ControllerContractTest, ShowAndHideRaiseTheirEvents) {
    CreateShownForm();
    controller->SetVisible(0);
    EXPECT_EQ(controller->GetVisible(), 0);
    controller->SetVisible(1);
    EXPECT_EQ(controller->GetVisible(), -1);
    EXPECT_EQ(log.codes, (std::vector<int32_t>{EV_FORM_CREATED, EV_FORM_SHOWN, EV_FORM_HIDDEN, EV_FORM_SHOWN}));
}

TEST_F(ControllerContractTest, ParametersAndNoticesReachOnlyAFittingForm) {
    ASSERT_EQ(controller->CreateForm(ShellParams()), 0);
    EXPECT_EQ(controller->SendParams(Variant::Null()), -1);
    EXPECT_EQ(controller->SendParams(Variant("not an array")), -1);
    EXPECT_EQ(controller->SendParams(Variant::ArrayOf({Variant(true), Variant()})), 0);
    EXPECT_EQ(controller->SendNotice(5, Variant("payload")), 0);
    EXPECT_EQ(controller->SendNotice(9, Variant()), 0);
    for (int32_t kind : {0, 4, 6, 8, 10}) EXPECT_EQ(controller->SendNotice(kind, Variant("payload")), -1) << kind;
}

TEST_F(ControllerContractTest, EscClosesAndFreesTheFormWithItsResultInPlace) {
    CreateShownForm();
    PressKey(VK_ESCAPE);
    Application()->ProcessMessages();
    ASSERT_TRUE(controller->IsFormFreed());
    EXPECT_EQ(log.codes.back(), EV_FORM_DESTROYED);
    EXPECT_EQ(log.resultAt304, controller->ResultCode) << "the result is set before event 304";
    EXPECT_EQ(log.valueAt304, controller->ResultValue);

    const size_t events = log.codes.size();
    controller->FreeForm();
    EXPECT_EQ(log.codes.size(), events) << "FreeForm without a form does nothing";
    Variant info("untouched");
    EXPECT_EQ(controller->GetFormInfo(info), -1);
}

TEST_F(ControllerContractTest, ModalShowAnswersTheModalResult) {
    ASSERT_EQ(controller->CreateForm(ShellParams()), 0);
    ui.Answer(mrCancel);
    Variant modal;
    controller->ShowModalForm(modal);
    EXPECT_EQ(modal.toInt(), mrCancel);
    Application()->ProcessMessages();
    EXPECT_TRUE(controller->IsFormFreed()) << "a closed form frees itself";
    EXPECT_EQ(log.codes.back(), EV_FORM_DESTROYED);
}

TEST_F(ControllerContractTest, FreeFormAndTheDestructorRaiseTheDestroyEventOnce) {
    CreateShownForm();
    controller->FreeForm();
    EXPECT_TRUE(controller->IsFormFreed());
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), EV_FORM_DESTROYED), 1);

    EventLog secondLog;  // outlives the controller that reports to it
    std::unique_ptr<TDLLBaseController> second(ModuleGetController()());
    second->HostObject = controller->HostObject;
    secondLog.controller = second.get();
    second->OnEvent = {&EventLog::Receive, &secondLog};
    ASSERT_EQ(second->CreateForm(ShellParams()), 0);
    second.reset();
    EXPECT_EQ(secondLog.codes.back(), EV_FORM_DESTROYED) << "freeing the controller frees its form";
}

TEST_F(ControllerContractTest, EventPlumbingSlotsRaiseThroughTheCallback) {
    controller->DoFormCreated();
    controller->DoSpareEvent();
    controller->DoEvent(4711, nullptr);
    controller->Reserved();
    EXPECT_EQ(log.codes, (std::vector<int32_t>{EV_FORM_CREATED, EV_SPARE, 4711}));
    EXPECT_EQ(log.senders[1], reinterpret_cast<TObject*>(controller.get()));

    controller->OnEvent = {};
    controller->DoSpareEvent();
    ASSERT_EQ(controller->CreateForm(ShellParams()), 0);
    controller->FreeForm();
    EXPECT_EQ(log.codes.size(), 3u) << "without a callback the events are dropped";
}

}  // namespace
}  // namespace kw::testing
