// Test fixture for code that shows forms and dialogs on the headless backend:
// each test starts with an empty answer queue and must use every answer it
// queued; forms released during the test are freed at its end.
#pragma once

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"

namespace kw::testing {

class HeadlessTest : public ::testing::Test {
protected:
    THeadlessBackend& ui = Headless();
    // Set by a test that provokes unanswered dialogs on purpose.
    bool ExpectsUnanswered = false;

    void SetUp() override {
        ui.ClearAnswers();
        ui.ClearShown();
        ui.ClearUnanswered();
    }
    void TearDown() override {
        EXPECT_EQ(ui.PendingAnswers(), 0u) << "answers queued for dialogs that never came";
        if (!ExpectsUnanswered)
            for (const std::string& text : ui.Unanswered()) ADD_FAILURE() << text;
        ui.ClearUnanswered();
        ui.ClearAnswers();
        Application()->ProcessMessages();
    }
};

}  // namespace kw::testing
