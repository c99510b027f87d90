// Fixture for tests of the desktop backend: Qt on its offscreen platform,
// the desktop backend installed for the test, and a user who works the
// widgets with Qt's own input events.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"
#include "platform/qt/QtBackend.h"

namespace kw::testing {

class QtTest : public ::testing::Test {
public:
    // Lets the desktop handle what is waiting.
    static void Settle();

protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The backend in force for the test (a fresh one).
    TQtBackend& Desktop() { return *QtBackend(); }
};

// Input as a person gives it, through Qt's events to the widgets.
class TQtUser {
public:
    explicit TQtUser(TQtBackend& backend) : backend_(backend) {}
    // A left click at a point of the control's widget.
    void Click(TControl& control, int x = 2, int y = 2);
    void RightClick(TControl& control, int x = 2, int y = 2);
    // Letters, digits and blanks as keys (upper-case letters with Shift),
    // any other text committed by the input method, to the focused widget.
    void Type(const std::string& utf8);
    // A key press and release (virtual key code) with modifiers.
    void Press(uint16_t key, TShiftState shift = 0);
    // Drops down a combo box's list and clicks item Index in it.
    void PickFromList(TControl& combo, int index);
    // Clicks the row of item Index of a list box.
    void PickListItem(TControl& list, int index);
    // The close button of a form's window.
    void CloseWindow(TCustomForm& form);
    // The widget that has the keyboard focus (the active window when none).
    static QWidget* KeyWidget();

private:
    void Key(QWidget* target, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
    TQtBackend& backend_;
};

}  // namespace kw::testing
