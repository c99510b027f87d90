#include "platform/Automation.h"

#include <gtest/gtest.h>

#include "platform/CodePage.h"

using namespace kw;

namespace {

class Counter : public DispatchObject {
public:
    Counter() : DispatchObject("Test.Counter") {
        AddMethod("Add", [this](Args& args) {
            RequireArgs("Add", args, 1);
            total_ += args[0].toInt();
            return Variant(total_);
        });
        // Writes its result into the second argument, as by-reference calls do.
        AddMethod("Split", [this](Args& args) {
            RequireArgs("Split", args, 2);
            const std::string text = args[0].toString();
            args[1] = text.substr(text.find(';') + 1);
            return Variant(text.substr(0, text.find(';')));
        });
        AddProperty("Total", [this] { return Variant(total_); }, [this](const Variant& v) { total_ = v.toInt(); });
    }

private:
    int total_ = 0;
};

AutoClassRegistrar registerCounter("Test.Counter", [] { return std::make_shared<Counter>(); });

}  // namespace

TEST(Automation, CreatesByClassNameAndCallsByName) {
    AutoRef counter = CreateOleObject("test.counter");  // class names ignore case
    EXPECT_EQ(CallMethod(counter, "Add", {Variant(2)}).toInt(), 2);
    EXPECT_EQ(CallMethod(counter, "ADD", {Variant(3)}).toInt(), 5);
    counter->PutProperty("Total", Variant(10));
    EXPECT_EQ(counter->GetProperty("total").toInt(), 10);
}

TEST(Automation, ByReferenceArgumentsReachTheCaller) {
    AutoRef counter = CreateOleObject("Test.Counter");
    Args args{Variant("head;tail"), Variant()};
    EXPECT_EQ(counter->Invoke("Split", args).toString(), "head");
    EXPECT_EQ(args[1].toString(), "tail");
}

TEST(Automation, UnknownNamesRaiseNamingThem) {
    AutoRef counter = CreateOleObject("Test.Counter");
    try {
        CallMethod(counter, "Multiply", {});
        FAIL();
    } catch (const EOleError& e) {
        EXPECT_NE(std::string(e.what()).find("Multiply"), std::string::npos);
    }
    EXPECT_THROW(counter->GetProperty("Colour"), EOleError);
    EXPECT_THROW(CallMethod(counter, "Add", {}), EOleError);  // too few arguments
    try {
        CreateOleObject("No.SuchClass");
        FAIL();
    } catch (const EOleError& e) {
        EXPECT_NE(std::string(e.what()).find("No.SuchClass"), std::string::npos);
    }
    EXPECT_THROW(CallMethod(Variant(5), "Add", {}), EOleError);
}

TEST(Automation, ObjectReferencesTravelInVariants) {
    Variant holder(CreateOleObject("Test.Counter"));
    EXPECT_TRUE(holder.isDispatch());
    EXPECT_EQ(CallMethod(holder, "Add", {Variant(4)}).toInt(), 4);
    Variant copy = holder;  // same object, not a copy of it
    EXPECT_EQ(CallMethod(copy, "Add", {Variant(1)}).toInt(), 5);
    EXPECT_EQ(copy, holder);
}

TEST(CodePage, ConvertsBetweenTheSystemsCodePages) {
    const std::u16string wide = u"條件方案";
    const std::string big5 = WideToMultiByte(wide, CP_BIG5);
    EXPECT_EQ(big5.size(), 8u);
    EXPECT_EQ(MultiByteToWide(big5, CP_BIG5), wide);
    EXPECT_EQ(WideToMultiByte(u"条", CP_US), "?");  // not representable
    std::string out = "untouched";
    EXPECT_FALSE(TryWideToMultiByte(u"条", CP_US, out));
    EXPECT_EQ(out, "untouched");
    EXPECT_EQ(CodePageOfCharset(136), CP_BIG5);
    EXPECT_EQ(CodePageOfCharset(134), CP_GBK);
    EXPECT_EQ(CodePageOfCharset(0), SystemCodePage());
    // A truncated double-byte character does not stop the rest.
    EXPECT_EQ(MultiByteToWide(std::string("a\xb0", 2), CP_GBK), u"a?");
}
