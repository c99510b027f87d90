// A small form for the language package tests, read from a form text: a
// form with two buttons, a combo box of three items, a memo and a label.
#pragma once

#include <string>

#include "platform/FormStream.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace kw::testing {

inline constexpr const char* kLangFixtureFormText = R"(object frmSample: TForm
  Caption = '样例'
  object btnOk: TButton
    Caption = '确定'
    Hint = '确定'
  end
  object btnCancel: TButton
    Caption = '取消'
    Hint = '取消'
  end
  object cboKind: TComboBox
    Items = ('甲' '乙' '丙')
  end
  object memNote: TMemo
    Lines = ('一')
  end
  object lblName: TLabel
    Caption = '名称'
    Width = 40
  end
end
)";

// The fixture form; the caller frees it.
inline TForm* MakeLangFixtureForm()
{
    auto* form = new TForm(nullptr);
    ReadComponentText(*form, kLangFixtureFormText);
    return form;
}

}  // namespace kw::testing
