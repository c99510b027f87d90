#include <gtest/gtest.h>

#include "platform/ClassBuilder.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace kw {
namespace {

// Records destruction order.
std::vector<std::string>* destroyed = nullptr;

class TProbe : public TComponent {
    KW_CLASS(TProbe)
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}
    ~TProbe() override {
        BeforeDestruction();
        if (destroyed) destroyed->push_back(Name());
    }
    TComponent* Partner = nullptr;
    void SetPartner(TComponent* p) {
        Partner = p;
        if (p) p->FreeNotification(this);
    }

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == opRemove && c == Partner) Partner = nullptr;
    }
};

}  // namespace

KW_BEGIN_CLASS(TProbe, TComponent)
    b.Creatable();
KW_END_CLASS(TProbe)

namespace {

TEST(Component, OwnerKeepsOwnedInCreationOrderAndFreesThemLastFirst) {
    std::vector<std::string> order;
    destroyed = &order;
    auto* owner = new TProbe(nullptr);
    owner->SetName("Owner");
    for (const char* name : {"A", "B", "C"}) (new TProbe(owner))->SetName(name);
    ASSERT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->Components(0)->Name(), "A");
    EXPECT_EQ(owner->Components(2)->Name(), "C");
    EXPECT_EQ(owner->Components(1)->ComponentIndex(), 1);
    owner->Free();
    EXPECT_EQ(order, (std::vector<std::string>{"C", "B", "A", "Owner"}));
    destroyed = nullptr;
}

TEST(Component, FreeingAnOwnedComponentTakesItOutOfItsOwner) {
    TProbe owner(nullptr);
    auto* a = new TProbe(&owner);
    a->SetName("A");
    (new TProbe(&owner))->SetName("B");
    a->Free();
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.FindComponent("A"), nullptr);
    EXPECT_EQ(owner.FindComponent("b")->Name(), "B");
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
    TProbe owner(nullptr);
    auto* a = new TProbe(&owner);
    a->SetName("edName");
    auto* b = new TProbe(&owner);
    EXPECT_THROW(b->SetName("EDNAME"), EComponentError);
    EXPECT_THROW(b->SetName("1st"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    b->SetName("_x1");
    EXPECT_EQ(b->Name(), "_x1");
    a->SetName("EdName");  // a new letter case of its own name is no clash
    EXPECT_EQ(owner.FindComponent("edname"), a);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, ReferencesAreClearedWhenTheirTargetGoes) {
    TProbe owner(nullptr);
    auto* watcher = new TProbe(&owner);
    auto* sibling = new TProbe(&owner);
    TProbe outsider(nullptr);
    auto* outside = new TProbe(&outsider);
    watcher->SetPartner(sibling);
    sibling->Free();
    EXPECT_EQ(watcher->Partner, nullptr);
    watcher->SetPartner(outside);
    outside->Free();
    EXPECT_EQ(watcher->Partner, nullptr);
}

TEST(Component, TagAndStateBits) {
    TProbe c(nullptr);
    c.SetTag(-5);
    EXPECT_EQ(c.Tag(), -5);
    EXPECT_EQ(c.ComponentState(), 0u);
    c.SetLoadingState(true);
    c.SetReadingState(true);
    EXPECT_TRUE(c.HasState(csLoading | csReading));
    c.Loaded();
    EXPECT_FALSE(c.HasState(csLoading));
}

TEST(TypeInfo, PublishedPropertiesAreInheritedAndFoundWithoutRegardToCase) {
    const TClassInfo& edit = TEdit::StaticClassInfo();
    ASSERT_NE(edit.FindProp("TEXT"), nullptr);
    EXPECT_EQ(edit.FindProp("Text")->Type->Name, "TCaption");
    EXPECT_EQ(edit.FindProp("Name")->Type->Kind, TTypeKind::String);       // from TComponent
    EXPECT_EQ(edit.FindProp("Left")->Type->Name, "Integer");               // from TControl
    EXPECT_EQ(edit.FindProp("TabStop")->Type->Name, "Boolean");            // from TWinControl
    EXPECT_EQ(edit.FindProp("Caption"), nullptr);
    EXPECT_EQ(edit.FindProp("Font")->Type->Name, "TFont");
    EXPECT_TRUE(edit.FindProp("Font")->OwnsObject);
    EXPECT_EQ(edit.FindProp("OnChange")->Type->Kind, TTypeKind::Method);
    EXPECT_EQ(edit.FindProp("Color")->Type->Name, "TColor");
    EXPECT_EQ(edit.FindProp("Cursor")->Type->Name, "TCursor");
    EXPECT_EQ(TFont::StaticClassInfo().FindProp("Charset")->Type->Name, "TFontCharset");
    EXPECT_EQ(TFont::StaticClassInfo().FindProp("Style")->Type->Kind, TTypeKind::Set);
    EXPECT_EQ(TComboBox::StaticClassInfo().FindProp("Style")->Type->Name, "TComboBoxStyle");
    EXPECT_EQ(TLabel::StaticClassInfo().FindProp("FocusControl")->Type->Name, "TWinControl");
}

TEST(TypeInfo, EnumerationsSetsAndIdentifierMaps) {
    const TTypeInfo* align = TypeInfoOf(static_cast<TAlign*>(nullptr));
    EXPECT_EQ(align->Name, "TAlign");
    EXPECT_EQ(align->EnumValue("ALCLIENT"), alClient);
    EXPECT_EQ(align->EnumName(alLeft), "alLeft");
    EXPECT_EQ(align->EnumValue("alMiddle"), -1);
    EXPECT_EQ(TypeBoolean()->EnumValue("true"), 1);
    EXPECT_EQ(SetToString(*TypeFontStyles(), (1u << fsBold) | (1u << fsUnderline)), "[fsBold,fsUnderline]");
    EXPECT_EQ(StringToSet(*TypeFontStyles(), " [ fsItalic , fsBold ] "), (1u << fsBold) | (1u << fsItalic));
    EXPECT_EQ(StringToSet(*TypeFontStyles(), "[]"), 0u);
    EXPECT_THROW(StringToSet(*TypeFontStyles(), "[fsHeavy]"), EPropertyError);
    int64_t v = 0;
    EXPECT_TRUE(TypeColor()->IdentMap->IdentToInt("clred", v));
    EXPECT_EQ(v, 255);
    EXPECT_TRUE(TypeCursor()->IdentMap->IdentToInt("crHourGlass", v));
    EXPECT_EQ(v, -11);
    EXPECT_TRUE(TypeFontCharset()->IdentMap->IdentToInt("GB2312_CHARSET", v));
    EXPECT_EQ(v, 134);
    std::string name;
    EXPECT_TRUE(TypeColor()->IdentMap->IntToIdent(clBtnFace, name));
    EXPECT_EQ(name, "clBtnFace");
}

TEST(TypeInfo, ClassRegistryCreatesByName) {
    EXPECT_EQ(GetClass("tedit"), &TEdit::StaticClassInfo());
    EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
    EXPECT_THROW(FindClass("TNoSuchThing"), EClassNotFound);
    TForm owner(nullptr);
    TComponent* made = FindClass("TProbe").Factory()(&owner);
    EXPECT_EQ(made->ClassName(), "TProbe");
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_TRUE(made->InheritsFrom("TComponent"));
    EXPECT_FALSE(made->InheritsFrom("TControl"));
}

struct HandlerHost {
    int calls = 0;
    void Handle(TObject*) { ++calls; }
    void Other(TObject*) {}
};

TEST(TypeInfo, EventHandlersAreCodeAndDataPairsThatCanBeKeptAndPutBack) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    HandlerHost host, other;
    edit->OnChange = TNotifyEvent::Of<&HandlerHost::Handle>(&host);
    const TPropInfo* prop = edit->ClassInfo().FindProp("OnChange");
    TMethod kept = prop->GetMethod(*edit);
    EXPECT_TRUE(kept.Assigned());
    EXPECT_EQ(kept.Data, &host);
    EXPECT_EQ(kept, TNotifyEvent::Of<&HandlerHost::Handle>(&host).Method());
    EXPECT_NE(kept, TNotifyEvent::Of<&HandlerHost::Handle>(&other).Method());
    EXPECT_NE(kept, TNotifyEvent::Of<&HandlerHost::Other>(&host).Method());
    prop->SetMethod(*edit, TMethod{});
    edit->SetText("x");
    EXPECT_EQ(host.calls, 0);
    prop->SetMethod(*edit, kept);
    edit->SetText("y");
    EXPECT_EQ(host.calls, 1);
    // A key handler does not fit a notify event.
    TKeyEvent key = [](TObject*, uint16_t&, TShiftState) {};
    EXPECT_THROW(prop->SetMethod(*edit, key.Method()), EPropertyError);
}

TEST(StringList, TextCommaTextAndValues) {
    TStringList list;
    list.SetText("a\r\nb\nc\r");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\n");
    list.SetCommaText("one, \"two words\",\"q\"\"uote\"");
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"one", "two words", "q\"uote"}));
    EXPECT_EQ(list.CommaText(), "one,\"two words\",\"q\"\"uote\"");
    list.Clear();
    list.SetValue("KWT002", "Company");
    EXPECT_EQ(list.Values("kwt002"), "Company");
    EXPECT_EQ(list.Values("missing"), "");
    TStringList sorted;
    sorted.SetSorted(true);
    for (const char* s : {"b", "C", "a", "b"}) sorted.Add(s);
    EXPECT_EQ(sorted.ToVector(), (std::vector<std::string>{"a", "b", "C"}));
    EXPECT_THROW(sorted.Insert(0, "z"), EListError);
    EXPECT_THROW(sorted[5], EListError);
}

}  // namespace
}  // namespace kw
