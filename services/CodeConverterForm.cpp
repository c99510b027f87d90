// TCodeConverter::ConvertForm: the texts, fonts, lists and styles of a form
// and of the components it owns, for the screen's code page.
#include "services/CodeConverter.h"

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/Tabs.h"
#include "services/PropAccess.h"

namespace kw {

namespace {

// The conversions of one form, with the converter's UI conversion.
class FormConversion {
public:
    explicit FormConversion(const TCodeConverter& converter)
        : converter_(converter), kind_(converter.UIConversion())
    {
    }

    void Form(TComponent& form)
    {
        if (converter_.SystemCodePage() == "950")
            SetTextProperty(&form, "Caption", converter_.ConvertToBig5(GetTextProperty(&form, "Caption")));
        TextProperty(form, "Hint");
        TextProperty(form, "ButtonHint");
        ApplyChineseFont(kind_, Screen()->IconFont());
        ApplyChineseFont(kind_, Screen()->HintFont());
        ApplyChineseFont(kind_, Screen()->MenuFont());
        const bool showHint = Application()->ShowHint();
        Application()->SetShowHint(!showHint);
        Application()->SetShowHint(showHint);
        const std::vector<TComponent*> owned = form.ComponentList();
        for (TComponent* component : owned)
            Component(*component);
    }

private:
    std::string Text(const std::string& text) const { return converter_.ConvertUIVariant(Variant(text)).toString(); }
    std::string Big5(const std::string& text) const { return converter_.ConvertToBig5(text); }

    void Component(TComponent& component)
    {
        for (const char* name : {"Font", "TitleFont"})
            if (HasPropertyOfType(&component, name, "TFont"))
                ApplyChineseFont(kind_, dynamic_cast<TFont*>(GetObjectProperty(&component, name)));
        for (const char* name : {"Caption", "Hint", "ButtonHint"})
            TextProperty(component, name);
        for (const char* name : {"Items", "Lines"})
            if (auto* list = dynamic_cast<TStrings*>(GetObjectProperty(&component, name)))
                KeepingItemIndex(component, [&] { list->SetText(Text(list->Text())); });
        Styles(component);
        if (HasPropertyOfType(&component, "Panels", "TStatusPanels"))
            if (auto* panels = dynamic_cast<TCollection*>(GetObjectProperty(&component, "Panels")))
                for (int i = 0; i < panels->Count(); ++i)
                    TextProperty(*panels->Items(i), "Text");
        if (auto* menu = dynamic_cast<TMenu*>(&component))
            menu->SetOwnerDraw(true);
        if (kind_ == 2)
            BigFiveOnly(component);
    }

    void TextProperty(TObject& object, const char* name)
    {
        const std::string text = GetTextProperty(&object, name);
        if (!text.empty())
            SetTextProperty(&object, name, Text(text));
    }

    // Runs change and puts a combo box's selected index back afterwards.
    template <class Change>
    void KeepingItemIndex(TComponent& component, Change change)
    {
        auto* combo = dynamic_cast<TComboBox*>(&component);
        const int itemIndex = combo ? combo->ItemIndex() : -1;
        change();
        if (combo)
            combo->SetItemIndex(itemIndex);
    }

    void Styles(TComponent& component)
    {
        if (HasPropertyOfType(&component, "Style", "TComboBoxStyle")) {
            const int64_t style = GetOrdinalProperty(&component, "Style");
            const int64_t drawn = style == csDropDown ? csOwnerDrawVariable : style == csDropDownList ? csOwnerDrawFixed : style;
            KeepingItemIndex(component, [&] { SetOrdinalProperty(&component, "Style", drawn); });
        } else if (HasPropertyOfType(&component, "Style", "TListBoxStyle")) {
            if (GetOrdinalProperty(&component, "Style") == lbStandard)
                SetOrdinalProperty(&component, "Style", lbOwnerDrawFixed);
        }
    }

    void BigFiveOnly(TComponent& component)
    {
        if (auto* listView = dynamic_cast<TListView*>(&component))
            ListView(*listView);
        else if (auto* tree = dynamic_cast<TTreeView*>(&component))
            TreeView(*tree);
        else if (auto* combo = dynamic_cast<TComboBox*>(&component))
            ComboBox(*combo);
        else if (auto* grid = dynamic_cast<TStringGrid*>(&component))
            StringGrid(*grid);
        else if (auto* tabSet = dynamic_cast<TTabSet*>(&component))
            TabSet(*tabSet);
        else if (component.InheritsFrom("TSelectPanel"))
            SelectPanel(component);
    }

    // Each line GB -> Big5, the list assigned back.
    void Lines(TStrings* list)
    {
        if (!list)
            return;
        TStringList converted;
        for (int i = 0; i < list->Count(); ++i)
            converted.Add(Big5((*list)[i]));
        list->Assign(&converted);
    }

    void TabSet(TTabSet& tabSet)
    {
        const int tabIndex = tabSet.TabIndex();
        Lines(tabSet.Tabs());
        tabSet.SetTabIndex(tabIndex);
    }

    void ListView(TListView& listView)
    {
        TListColumns* columns = listView.Columns();
        TListItems* items = listView.Items();
        for (int k = 0; k < columns->Count(); ++k) {
            TListColumn* column = columns->Items(k);
            column->SetCaption(Big5(column->Caption()));
            for (int i = 0; i < items->Count(); ++i) {
                TListItem* item = items->Item(i);
                if (k == 0)
                    item->SetCaption(Big5(item->Caption()));
                else if (k - 1 < item->SubItems()->Count())
                    item->SubItems()->Put(k - 1, Big5((*item->SubItems())[k - 1]));
            }
        }
    }

    void TreeView(TTreeView& tree)
    {
        TTreeNodes* nodes = tree.Items();
        for (int i = 0; i < nodes->Count(); ++i)
            nodes->Item(i)->SetText(Big5(nodes->Item(i)->Text()));
    }

    void ComboBox(TComboBox& combo)
    {
        if (combo.Style() != csSimple)
            combo.SetStyle(csOwnerDrawFixed);
        if (combo.ItemIndex() < 0 && combo.Items()->Count() > 0)
            combo.SetItemIndex(0);
    }

    void StringGrid(TStringGrid& grid)
    {
        for (int col = 0; col < grid.ColCount(); ++col)
            for (int row = 0; row < grid.RowCount(); ++row)
                grid.SetCells(col, row, Big5(grid.Cells(col, row)));
    }

    void SelectPanel(TComponent& panel)
    {
        for (const char* name : {"ChildHints", "BeginWords", "FinalWords"})
            Lines(dynamic_cast<TStrings*>(GetObjectProperty(&panel, name)));
        const std::string hintWord = GetTextProperty(&panel, "HintWord");
        if (!hintWord.empty())
            SetTextProperty(&panel, "HintWord", Big5(hintWord));
        for (TComponent* part : panel.ComponentList())
            if (auto* listView = dynamic_cast<TListView*>(part))
                ListView(*listView);
    }

    const TCodeConverter& converter_;
    const int kind_;
};

}  // namespace

void TCodeConverter::ConvertForm(TComponent* form)
{
    if (!form || uiConversion_ == 0 || !translator_)
        return;
    FormConversion(*this).Form(*form);
}

}  // namespace kw
