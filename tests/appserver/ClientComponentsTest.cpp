// TSocketConnection and TClientDataSet as the forms use them: created by
// class name and linked by property, browsing, ordering, locating and local
// edits of a provider's records.
#include <gtest/gtest.h>

#include "platform/ClientDataSet.h"
#include "platform/SocketConn.h"
#include "platform/TypInfo.h"

namespace kw {
namespace {

const char* const ProviderClass = "KwTest.Provider";

// A server object whose provider "pvdItems" delivers four fixed records.
class TItemsServer : public DispatchObject {
public:
    TItemsServer() : DispatchObject(ProviderClass) {
        AddMethod("AS_GetRecords", [](Args& args) {
            if (VarToStr(args.at(0)) != "pvdItems") throw EOleError("no such provider");
            auto row = [](const char* code, int qty, const char* name) {
                return Variant::ArrayOf({Variant(code), Variant(qty), Variant(name)});
            };
            return Variant::ArrayOf({Variant::ArrayOf({Variant("CODE"), Variant("QTY"), Variant("NAME")}),
                                     Variant::ArrayOf({row("b-2", 10, "beta"), row("A-1", 2, "alpha"),
                                                       row("c-3", 2, "gamma"), row("a-0", 7, "Alpha")})});
        });
    }
};

AutoClassRegistrar registrar(ProviderClass, [] { return std::make_shared<TItemsServer>(); });

class ClientComponentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        connection.SetAddress(LocalServerAddress);
        connection.SetServerName(ProviderClass);
        dataSet.SetRemoteServer(&connection);
        dataSet.SetProviderName("pvdItems");
    }

    std::vector<std::string> Codes() {
        std::vector<std::string> codes;
        for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) codes.push_back(dataSet.FieldByName("CODE").AsString());
        return codes;
    }

    TSocketConnection connection{nullptr};
    TClientDataSet dataSet{nullptr};
};

TEST_F(ClientComponentsTest, OpeningConnectsAndDeliversTheRecordsInIndexOrder) {
    dataSet.SetIndexFieldNames("QTY;CODE");
    dataSet.Open();
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(dataSet.RecordCount(), 4);
    EXPECT_EQ(dataSet.FieldByName("QTY").DataType(), TFieldType::Integer);
    EXPECT_EQ(Codes(), (std::vector<std::string>{"A-1", "c-3", "a-0", "b-2"}));
    dataSet.SetIndexFieldNames("CODE");
    EXPECT_EQ(Codes(), (std::vector<std::string>{"A-1", "a-0", "b-2", "c-3"}));  // byte order
    EXPECT_THROW(dataSet.FieldByName("PRICE"), EDatabaseError);
    EXPECT_EQ(dataSet.FindField("price"), nullptr);
}

TEST_F(ClientComponentsTest, BrowsingSetsBofAndEofAtTheEnds) {
    dataSet.Open();
    EXPECT_TRUE(dataSet.Bof());
    EXPECT_EQ(dataSet.RecNo(), 1);
    dataSet.Last();
    EXPECT_TRUE(dataSet.Eof());
    EXPECT_EQ(dataSet.RecNo(), 4);
    dataSet.Prior();
    EXPECT_FALSE(dataSet.Eof());
    EXPECT_EQ(dataSet.RecNo(), 3);
    dataSet.First();
    dataSet.Prior();
    EXPECT_TRUE(dataSet.Bof());
    EXPECT_EQ(dataSet.RecNo(), 1);
    dataSet.Close();
    EXPECT_EQ(dataSet.RecordCount(), 0);
    EXPECT_THROW(dataSet.Next(), EDatabaseError);
}

TEST_F(ClientComponentsTest, LocateHonoursItsOptionsAndLeavesTheCursorWhenNothingMatches) {
    dataSet.SetIndexFieldNames("CODE");
    dataSet.Open();
    struct {
        const char* fields;
        Variant keys;
        uint32_t options;
        const char* found;  // nullptr: no match
    } cases[] = {
        {"NAME", Variant("alpha"), 0, "A-1"},
        {"NAME", Variant("ALPHA"), 0, nullptr},
        {"NAME", Variant("ALPHA"), loCaseInsensitive, "A-1"},
        {"NAME", Variant("gam"), loPartialKey, "c-3"},
        {"QTY;NAME", Variant::ArrayOf({Variant(2), Variant("gamma")}), 0, "c-3"},
        {"QTY;NAME", Variant::ArrayOf({Variant(7), Variant("gamma")}), 0, nullptr},
    };
    for (const auto& c : cases) {
        dataSet.Last();
        const bool found = dataSet.Locate(c.fields, c.keys, c.options);
        EXPECT_EQ(found, c.found != nullptr) << c.fields;
        EXPECT_EQ(dataSet.FieldByName("CODE").AsString(), c.found ? c.found : "c-3") << c.fields;
    }
    EXPECT_THROW(dataSet.Locate("QTY;NAME", Variant(2)), EDatabaseError);
}

TEST_F(ClientComponentsTest, PostKeepsLocalChangesAndCancelDropsThem) {
    dataSet.SetIndexFieldNames("CODE");
    dataSet.Open();
    EXPECT_THROW(dataSet.FieldByName("NAME").SetAsString("x"), EDatabaseError);  // not editing
    ASSERT_TRUE(dataSet.Locate("CODE", Variant("A-1")));
    dataSet.Edit();
    dataSet.FieldByName("CODE").SetAsString("z-9");
    EXPECT_EQ(dataSet.FieldByName("CODE").AsString(), "z-9");
    dataSet.Post();
    EXPECT_EQ(dataSet.RecNo(), 4);  // moved to its place in the index
    EXPECT_EQ(dataSet.FieldByName("NAME").AsString(), "alpha");
    dataSet.Edit();
    dataSet.FieldByName("NAME").SetAsString("changed");
    dataSet.Cancel();
    EXPECT_EQ(dataSet.FieldByName("NAME").AsString(), "alpha");
    EXPECT_EQ(Codes(), (std::vector<std::string>{"a-0", "b-2", "c-3", "z-9"}));
}

TEST_F(ClientComponentsTest, FieldTextHandlersConvertWhatIsShownAndEntered) {
    dataSet.Open();
    TField& name = dataSet.FieldByName("NAME");
    name.OnGetText = [](TField* field, std::string& text, bool display) { text = (display ? "[" : "(") + text + ")"; };
    name.OnSetText = [](TField* field, const std::string& text) { field->SetAsString("set:" + text); };
    EXPECT_EQ(name.Text(), "(beta)");
    EXPECT_EQ(name.DisplayText(), "[beta)");
    dataSet.Edit();
    name.SetText("x");
    dataSet.Post();
    EXPECT_EQ(name.AsString(), "set:x");
    EXPECT_EQ(name.DisplayLabel(), "NAME");
}

TEST_F(ClientComponentsTest, PersistentFieldsKeepLabelsAndHandlersAcrossReopening) {
    TField& name = dataSet.AddField("name", TFieldType::Memo);
    name.SetDisplayLabel("Item name");
    name.OnGetText = [](TField* field, std::string& text, bool) { text = "<" + text + ">"; };
    EXPECT_TRUE(name.IsNull());  // closed: no record
    for (int round = 0; round < 2; ++round) {
        dataSet.SetIndexFieldNames("CODE");
        dataSet.Open();
        ASSERT_EQ(dataSet.FieldCount(), 3);
        EXPECT_EQ(&dataSet.FieldByName("NAME"), &name);
        EXPECT_EQ(name.Text(), "<alpha>");
        EXPECT_EQ(name.DataType(), TFieldType::Memo);
        EXPECT_EQ(dataSet.Fields().size(), 3u);
        dataSet.Close();
        EXPECT_EQ(dataSet.FieldCount(), 1);
    }
    EXPECT_EQ(name.DisplayLabel(), "Item name");
    dataSet.AddField("PRICE");
    EXPECT_THROW(dataSet.Open(), EDatabaseError);  // the provider has no such column
    EXPECT_FALSE(dataSet.Active());
}

TEST_F(ClientComponentsTest, ComponentsAreMadeByClassNameAndForgetAFreedConnection) {
    const TClassInfo& connectionClass = FindClass("TSocketConnection");
    const TClassInfo& dataSetClass = FindClass("TClientDataSet");
    TComponent* made = connectionClass.Factory()(nullptr);
    TComponent* reader = dataSetClass.Factory()(nullptr);
    connectionClass.FindProp("ServerName")->SetStr(*made, ProviderClass);
    connectionClass.FindProp("Address")->SetStr(*made, LocalServerAddress);
    dataSetClass.FindProp("ProviderName")->SetStr(*reader, "pvdItems");
    dataSetClass.FindProp("RemoteServer")->SetObj(*reader, made);
    auto* typed = dynamic_cast<TClientDataSet*>(reader);
    ASSERT_NE(typed, nullptr);
    typed->Open();
    EXPECT_EQ(typed->RecordCount(), 4);
    made->Free();
    EXPECT_EQ(typed->RemoteServer(), nullptr);
    reader->Free();
}

TEST_F(ClientComponentsTest, NoProviderOrServerIsAnError) {
    TClientDataSet orphan(nullptr);
    orphan.SetProviderName("pvdItems");
    EXPECT_THROW(orphan.Open(), EDatabaseError);
    dataSet.SetProviderName("pvdOther");
    EXPECT_THROW(dataSet.Open(), EOleError);
    EXPECT_FALSE(dataSet.Active());
}

}  // namespace
}  // namespace kw
