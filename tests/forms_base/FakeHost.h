// A shell host object for form tests: answers the host calls from tables
// the test fills, and counts what it was asked.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Automation.h"
#include "platform/CodePage.h"

namespace kw::testing {

class FakeCounter : public DispatchObject {
public:
    std::vector<std::pair<std::string, std::string>> SysInfo{
        {"Sys001", "1"}, {"Sys002", "/"}, {"KWT002", "Demo Co."}};
    FakeCounter() : DispatchObject("Fake.Counter") {
        AddMethod("GetSysInfo", [this](Args&) {
            Variant table(VarArray({{0, 1}, {0, static_cast<int>(SysInfo.size()) - 1}}));
            for (int i = 0; i < static_cast<int>(SysInfo.size()); ++i) {
                table.array().at({0, i}) = Variant(SysInfo[i].first);
                table.array().at({1, i}) = Variant(SysInfo[i].second);
            }
            return table;
        });
    }
};

class FakeValidator : public DispatchObject {
public:
    // Answers of CheckValue by table name.
    std::map<std::string, Variant> Records;
    FakeValidator() : DispatchObject("Fake.Validator") {
        AddProperty("ProductID", nullptr, [](const Variant&) {});
        AddProperty("BaseLimited", nullptr, [](const Variant&) {});
        auto answer = [this](Args& args) {
            RequireArgs("CheckValue", args, 5);
            const auto it = Records.find(args[0].toString());
            if (it == Records.end()) return Variant(false);
            args[4] = it->second;
            return Variant(true);
        };
        AddMethod("CheckValue", answer);
        AddMethod("QueryData", answer);
    }
};

class FakeHost : public DispatchObject {
public:
    std::shared_ptr<FakeCounter> Counter = std::make_shared<FakeCounter>();
    std::shared_ptr<FakeValidator> Checker = std::make_shared<FakeValidator>();
    int Product = 1;
    std::vector<Variant> HelpCalls;

    FakeHost() : DispatchObject("Fake.Host") {
        AddMethod("VersionType", [](Args&) { return Variant(9); });
        AddMethod("ProductID", [this](Args&) { return Variant(Product); });
        AddMethod("Com_Counter", [this](Args&) { return Variant(AutoRef(Counter)); });
        AddMethod("Com_Validator", [this](Args&) { return Variant(AutoRef(Checker)); });
        AddMethod("GetMessage", [](Args& args) {
            // The catalogue text names its code so tests can see which one came.
            return Variant("MSG " + args[0].toString() + ";" + args[1].toString() + " %s");
        });
        AddMethod("CallHelp", [this](Args& args) {
            HelpCalls.push_back(args[0]);
            return Variant();
        });
    }
};

}  // namespace kw::testing
