#include "host/FormDump.h"

#include <cstdio>

#include "platform/CodePage.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"

namespace kw {

namespace {

std::string NameOrNull(const TComponent* component) {
    return component ? JsonString(component->Name()) : "null";
}

// The text a person reads on the component, as a JSON value.
std::string ShownText(const TComponent& component) {
    if (auto control = dynamic_cast<const TControl*>(&component))
        return JsonString(THeadlessBackend::Readable(control->Text(), *control->Font()));
    const TPropInfo* caption = component.ClassInfo().FindProp("Caption");
    if (!caption || !caption->GetStr) return "null";
    const TControl* holder = nullptr;
    for (const TComponent* c = component.Owner(); c && !holder; c = c->Owner())
        holder = dynamic_cast<const TControl*>(c);
    const std::string text = caption->GetStr(component);
    // Menus are drawn with the screen's menu font.
    if (component.InheritsFrom("TMenuItem")) return JsonString(THeadlessBackend::Readable(text, *Screen()->MenuFont()));
    return JsonString(holder ? THeadlessBackend::Readable(text, *holder->Font())
                             : CodePageToUtf8(text, SystemCodePage()));
}

std::string Entry(const TComponent& component) {
    std::string json = "{\"name\":" + JsonString(component.Name()) + ",\"class\":" +
                       JsonString(component.ClassName()) + ",\"owner\":" + NameOrNull(component.Owner());
    auto control = dynamic_cast<const TControl*>(&component);
    json += ",\"parent\":" + NameOrNull(control ? control->Parent() : nullptr);
    json += ",\"text\":" + ShownText(component);
    if (control) {
        json += ",\"bounds\":[" + std::to_string(control->Left()) + "," + std::to_string(control->Top()) + "," +
                std::to_string(control->Width()) + "," + std::to_string(control->Height()) + "]";
        json += std::string(",\"visible\":") + (control->Visible() ? "true" : "false");
        json += std::string(",\"enabled\":") + (control->Enabled() ? "true" : "false");
    }
    return json + "}";
}

void AddOwned(const TComponent& owner, std::string& list) {
    for (const TComponent* component : owner.ComponentList()) {
        list += (list.empty() ? "\n  " : ",\n  ") + Entry(*component);
        AddOwned(*component, list);
    }
}

}  // namespace

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string DumpFormJson(const TComponent& form) {
    std::string components;
    AddOwned(form, components);
    return "{\"form\": " + Entry(form) + ",\n \"components\": [" + components + "\n]}\n";
}

}  // namespace kw
