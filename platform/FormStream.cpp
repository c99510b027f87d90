#include "platform/FormStream.h"

#include <algorithm>
#include <cctype>

#include "platform/CodePage.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Resources.h"
#include "platform/SysUtils.h"

namespace kw {

// ---------------------------------------------------------------- parser

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    TFormObject Root() {
        TFormObject root = Object();
        Blank();
        if (pos_ < s_.size()) Fail("end of text expected");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EReadError("Line " + std::to_string(line_) + ": " + what);
    }

    void Blank() {
        while (pos_ < s_.size()) {
            char c = s_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
                while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    static bool IdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
    static bool IdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

    std::string Ident(bool dotted) {
        Blank();
        if (pos_ >= s_.size() || !IdentStart(s_[pos_])) Fail("identifier expected");
        size_t start = pos_;
        while (pos_ < s_.size() && (IdentChar(s_[pos_]) || (dotted && s_[pos_] == '.'))) ++pos_;
        return std::string(s_.substr(start, pos_ - start));
    }

    bool PeekWord(std::string_view word) {
        Blank();
        if (s_.substr(pos_, word.size()) != word) return false;
        size_t after = pos_ + word.size();
        return after >= s_.size() || !IdentChar(s_[after]);
    }

    void Expect(char c) {
        Blank();
        if (pos_ >= s_.size() || s_[pos_] != c) Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    TFormObject Object() {
        Blank();
        TFormObject obj;
        obj.Line = line_;
        if (PeekWord("object")) {
            pos_ += 6;
        } else if (PeekWord("inherited")) {
            pos_ += 9;
            obj.Inherited = true;
        } else {
            Fail("object or inherited expected");
        }
        obj.Name = Ident(false);
        Expect(':');
        obj.ClassName = Ident(false);
        while (true) {
            Blank();
            if (pos_ >= s_.size()) Fail("end expected");
            if (PeekWord("end")) {
                pos_ += 3;
                break;
            }
            if (PeekWord("object") || PeekWord("inherited")) {
                obj.Children.push_back(Object());
                continue;
            }
            obj.Properties.push_back(Property());
        }
        return obj;
    }

    TFormProperty Property() {
        TFormProperty p;
        p.Line = line_;
        p.Name = Ident(true);
        Expect('=');
        p.Value = Value();
        return p;
    }

    std::string QuotedText() {
        std::string out;
        while (true) {
            Blank();
            if (pos_ < s_.size() && s_[pos_] == '\'') {
                ++pos_;
                while (true) {
                    if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("unterminated text");
                    if (s_[pos_] == '\'') {
                        if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
                            out += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += s_[pos_++];
                }
            } else if (pos_ < s_.size() && s_[pos_] == '#') {
                ++pos_;
                size_t start = pos_;
                while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
                if (start == pos_) Fail("character code expected");
                int code = std::stoi(std::string(s_.substr(start, pos_ - start)));
                if (code > 255) Fail("character code above 255");
                out += static_cast<char>(code);
            } else {
                Fail("text expected");
            }
            // Parts written together ('a'#13'b') or joined with + are one text.
            if (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) continue;
            Blank();
            if (pos_ < s_.size() && s_[pos_] == '+') {
                ++pos_;
                continue;
            }
            return out;
        }
    }

    TFormValue Value() {
        Blank();
        if (pos_ >= s_.size()) Fail("value expected");
        TFormValue v;
        char c = s_[pos_];
        if (c == '\'' || c == '#') {
            v.Type = TFormValue::String;
            v.Text = QuotedText();
        } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            Number(v);
        } else if (c == '[') {
            ++pos_;
            v.Type = TFormValue::Set;
            Blank();
            while (pos_ < s_.size() && s_[pos_] != ']') {
                v.Names.push_back(Ident(false));
                Blank();
                if (pos_ < s_.size() && s_[pos_] == ',') ++pos_;
                Blank();
            }
            Expect(']');
        } else if (c == '(') {
            ++pos_;
            v.Type = TFormValue::List;
            while (true) {
                Blank();
                if (pos_ < s_.size() && s_[pos_] == ')') {
                    ++pos_;
                    break;
                }
                v.Items.push_back(Value());
            }
        } else if (c == '<') {
            ++pos_;
            v.Type = TFormValue::Collection;
            while (true) {
                Blank();
                if (pos_ < s_.size() && s_[pos_] == '>') {
                    ++pos_;
                    break;
                }
                if (!PeekWord("item")) Fail("item expected");
                pos_ += 4;
                std::vector<TFormProperty> props;
                while (!PeekWord("end")) {
                    if (pos_ >= s_.size()) Fail("end expected");
                    props.push_back(Property());
                }
                pos_ += 3;
                v.CollectionItems.push_back(std::move(props));
            }
        } else if (c == '{') {
            ++pos_;
            v.Type = TFormValue::Binary;
            std::string hex;
            while (true) {
                Blank();
                if (pos_ >= s_.size()) Fail("'}' expected");
                if (s_[pos_] == '}') {
                    ++pos_;
                    break;
                }
                if (!std::isxdigit(static_cast<unsigned char>(s_[pos_]))) Fail("hexadecimal digit expected");
                hex += s_[pos_++];
            }
            if (hex.size() % 2) Fail("odd number of hexadecimal digits");
            for (size_t i = 0; i < hex.size(); i += 2)
                v.Text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        } else if (IdentStart(c)) {
            v.Type = TFormValue::Ident;
            v.Text = Ident(true);
        } else {
            Fail("value expected");
        }
        return v;
    }

    void Number(TFormValue& v) {
        size_t start = pos_;
        bool negative = false;
        if (s_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        if (pos_ < s_.size() && s_[pos_] == '$') {
            ++pos_;
            size_t hexStart = pos_;
            while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
            if (hexStart == pos_) Fail("hexadecimal number expected");
            v.Type = TFormValue::Integer;
            v.Int = static_cast<int64_t>(std::stoull(std::string(s_.substr(hexStart, pos_ - hexStart)), nullptr, 16));
            if (negative) v.Int = -v.Int;
            return;
        }
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        bool real = false;
        if (pos_ < s_.size() && s_[pos_] == '.') {
            real = true;
            ++pos_;
            while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        }
        std::string text(s_.substr(start, pos_ - start));
        if (text == "-" || text.empty()) Fail("number expected");
        if (real) {
            v.Type = TFormValue::Float;
            v.Real = std::stod(text);
        } else {
            v.Type = TFormValue::Integer;
            v.Int = std::stoll(text);
        }
    }

    std::string_view s_;
    size_t pos_ = 0;
    int line_ = 1;
};

// ---------------------------------------------------------------- reader

class Reader {
public:
    explicit Reader(TComponent& root) : root_(root) {}

    void ReadRoot(const TFormObject& obj) {
        Begin(root_);
        try {
            ReadProperties(root_, obj.Properties);
            for (const TFormObject& child : obj.Children) ReadComponent(child, &root_);
            root_.SetReadingState(false);
            if (auto w = dynamic_cast<TWinControl*>(&root_)) w->FixupTabList();
            ResolveReferences();
        } catch (...) {
            for (TComponent* c : loaded_) {
                c->SetReadingState(false);
                c->SetLoadingState(false);
            }
            throw;
        }
        for (TComponent* c : loaded_) c->Loaded();
    }

private:
    struct Fixup {
        TObject* Instance;
        const TPropInfo* Prop;
        std::string Name;
        int Line;
    };

    [[noreturn]] static void Fail(int line, const std::string& what) {
        throw EReadError("Line " + std::to_string(line) + ": " + what);
    }

    void Begin(TComponent& c) {
        c.SetLoadingState(true);
        c.SetReadingState(true);
        loaded_.push_back(&c);
    }

    void ReadComponent(const TFormObject& obj, TComponent* parent) {
        TComponent* c = nullptr;
        if (obj.Inherited) {
            c = root_.FindComponent(obj.Name);
            if (!c) Fail(obj.Line, "Ancestor for '" + obj.Name + "' not found");
            if (!c->ClassInfo().InheritsFrom(obj.ClassName))
                Fail(obj.Line, "'" + obj.Name + "' is a " + c->ClassName() + ", not a " + obj.ClassName);
        } else {
            const TClassInfo* cls = GetClass(obj.ClassName);
            if (!cls) Fail(obj.Line, "Class " + obj.ClassName + " not found");
            if (!cls->Factory()) Fail(obj.Line, "Class " + obj.ClassName + " cannot be created from a form text");
            c = cls->Factory()(&root_);
            try {
                c->SetLoadingState(true);
                c->SetName(obj.Name);
            } catch (const std::exception& e) {
                c->Free();
                Fail(obj.Line, e.what());
            }
        }
        if (std::find(loaded_.begin(), loaded_.end(), c) == loaded_.end())
            Begin(*c);
        else
            c->SetReadingState(true);
        if (c->HasParent() && parent && c->GetParentComponent() != parent) c->SetParentComponent(parent);
        ReadProperties(*c, obj.Properties);
        for (const TFormObject& child : obj.Children) ReadComponent(child, c);
        c->SetReadingState(false);
        if (auto w = dynamic_cast<TWinControl*>(c)) w->FixupTabList();
    }

    void ReadProperties(TObject& target, const std::vector<TFormProperty>& props) {
        for (const TFormProperty& p : props) {
            try {
                SetProperty(target, p);
            } catch (const EReadError&) {
                throw;
            } catch (const std::exception& e) {
                Fail(p.Line, "Error reading " + p.Name + ": " + e.what());
            }
        }
    }

    void SetProperty(TObject& target, const TFormProperty& p) {
        TObject* instance = &target;
        std::string path = p.Name;
        size_t dot;
        while ((dot = path.find('.')) != std::string::npos) {
            std::string part = path.substr(0, dot);
            const TPropInfo* prop = instance->ClassInfo().FindProp(part);
            if (!prop || prop->Kind() != TTypeKind::Class || !prop->GetObj)
                Fail(p.Line, "Property " + part + " does not exist");
            instance = prop->GetObj(*instance);
            if (!instance) Fail(p.Line, "Property " + part + " holds no object");
            path = path.substr(dot + 1);
        }
        const TPropInfo* prop = instance->ClassInfo().FindProp(path);
        if (!prop) Fail(p.Line, "Property " + path + " does not exist");
        Assign(*instance, *prop, p.Value, p.Line);
    }

    static std::string Design(const std::string& utf8) { return DesignText(utf8); }

    void Assign(TObject& obj, const TPropInfo& prop, const TFormValue& v, int line) {
        const TTypeInfo& type = *prop.Type;
        auto invalid = [&] { Fail(line, "Invalid property value for " + prop.Name); };
        switch (type.Kind) {
            case TTypeKind::Integer:
                if (!prop.SetOrd) invalid();
                if (v.Type == TFormValue::Integer) {
                    prop.SetOrd(obj, v.Int);
                } else if (v.Type == TFormValue::Ident && type.IdentMap) {
                    int64_t value;
                    if (!type.IdentMap->IdentToInt(v.Text, value)) invalid();
                    prop.SetOrd(obj, value);
                } else {
                    invalid();
                }
                break;
            case TTypeKind::Char:
                if (!prop.SetOrd) invalid();
                if (v.Type == TFormValue::String && v.Text.size() == 1)
                    prop.SetOrd(obj, static_cast<unsigned char>(v.Text[0]));
                else if (v.Type == TFormValue::Integer)
                    prop.SetOrd(obj, v.Int);
                else
                    invalid();
                break;
            case TTypeKind::Enumeration: {
                if (!prop.SetOrd || v.Type != TFormValue::Ident) invalid();
                int value = type.EnumValue(v.Text);
                if (value < 0) invalid();
                prop.SetOrd(obj, value);
                break;
            }
            case TTypeKind::Set: {
                if (!prop.SetOrd || v.Type != TFormValue::Set) invalid();
                uint32_t bits = 0;
                for (const std::string& name : v.Names) {
                    int value = type.ElementType->EnumValue(name);
                    if (value < 0) invalid();
                    bits |= 1u << value;
                }
                prop.SetOrd(obj, bits);
                break;
            }
            case TTypeKind::Float:
                if (!prop.SetFloat) invalid();
                if (v.Type == TFormValue::Float)
                    prop.SetFloat(obj, v.Real);
                else if (v.Type == TFormValue::Integer)
                    prop.SetFloat(obj, static_cast<double>(v.Int));
                else
                    invalid();
                break;
            case TTypeKind::String:
                if (!prop.SetStr || v.Type != TFormValue::String) invalid();
                prop.SetStr(obj, Design(v.Text));
                break;
            case TTypeKind::Method: {
                if (!prop.SetMethod || v.Type != TFormValue::Ident) invalid();
                auto method = root_.ClassInfo().FindMethod(v.Text, &root_);
                if (!method) Fail(line, "Method " + v.Text + " of " + root_.ClassName() + " not found");
                if (method->Signature != type.EventSignature)
                    Fail(line, "Method " + v.Text + " does not fit " + prop.Name);
                prop.SetMethod(obj, *method);
                break;
            }
            case TTypeKind::Class:
                AssignObject(obj, prop, v, line);
                break;
        }
    }

    void AssignObject(TObject& obj, const TPropInfo& prop, const TFormValue& v, int line) {
        auto invalid = [&] { Fail(line, "Invalid property value for " + prop.Name); };
        if (v.Type == TFormValue::Ident) {
            if (prop.OwnsObject || !prop.SetObj) invalid();
            if (SameText(v.Text, "nil"))
                prop.SetObj(obj, nullptr);
            else
                fixups_.push_back({&obj, &prop, v.Text, line});
            return;
        }
        TObject* held = prop.GetObj ? prop.GetObj(obj) : nullptr;
        if (v.Type == TFormValue::List) {
            auto strings = dynamic_cast<TStrings*>(held);
            if (!strings) invalid();
            strings->BeginUpdate();
            strings->Clear();
            for (const TFormValue& item : v.Items) {
                if (item.Type != TFormValue::String) invalid();
                strings->Add(Design(item.Text));
            }
            strings->EndUpdate();
        } else if (v.Type == TFormValue::Collection) {
            auto collection = dynamic_cast<TCollection*>(held);
            if (!collection) invalid();
            collection->BeginUpdate();
            collection->Clear();
            for (const auto& itemProps : v.CollectionItems) {
                TCollectionItem* item = collection->Add();
                ReadProperties(*item, itemProps);
            }
            collection->EndUpdate();
        } else if (v.Type == TFormValue::Binary) {
            auto bitmap = dynamic_cast<TBitmap*>(held);
            if (!bitmap) invalid();
            TBitmap loaded;
            loaded.LoadFromBytes(v.Text);
            if (prop.SetObj)
                prop.SetObj(obj, &loaded);
            else
                bitmap->Assign(&loaded);
        } else {
            invalid();
        }
    }

    TComponent* Resolve(const std::string& name) const {
        std::string rest = name;
        size_t dot = rest.find('.');
        if (dot != std::string::npos) {
            std::string first = rest.substr(0, dot);
            if (SameText(first, root_.Name()) || SameText(first, "Owner")) rest = rest.substr(dot + 1);
        }
        if (SameText(rest, root_.Name())) return &root_;
        return root_.FindComponent(rest);
    }

    void ResolveReferences() {
        for (const Fixup& f : fixups_) {
            TComponent* target = Resolve(f.Name);
            if (!target) Fail(f.Line, "Unresolved reference to " + f.Name);
            try {
                f.Prop->SetObj(*f.Instance, target);
            } catch (const std::exception& e) {
                Fail(f.Line, "Error reading " + f.Prop->Name + ": " + e.what());
            }
        }
    }

    TComponent& root_;
    std::vector<TComponent*> loaded_;
    std::vector<Fixup> fixups_;
};

}  // namespace

TFormObject ParseFormText(std::string_view text) { return Parser(text).Root(); }

void ReadComponentText(TComponent& root, std::string_view text) {
    TFormObject obj = ParseFormText(text);
    if (!root.ClassInfo().InheritsFrom(obj.ClassName) && !SameText(obj.ClassName, root.ClassName()))
        throw EReadError("Line " + std::to_string(obj.Line) + ": the text describes a " + obj.ClassName +
                         ", not a " + root.ClassName());
    // Each text of a form's class chain names the root; the most derived
    // class's text is read last, so its name stays.
    if (!obj.Name.empty() && root.Name() != obj.Name) root.SetName(obj.Name);
    Reader(root).ReadRoot(obj);
}

bool ReadComponentResource(TComponent& root, const std::string& resourceName) {
    std::string_view bytes;
    if (!FindResource(resourceName, bytes)) return false;
    try {
        ReadComponentText(root, bytes);
    } catch (const EReadError& e) {
        throw EReadError("Error reading " + resourceName + ": " + e.what());
    }
    return true;
}

void ReadFormResources(TCustomForm& form) {
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = &form.ClassInfo(); c && c != &TForm::StaticClassInfo() &&
                                                  c != &TCustomForm::StaticClassInfo();
         c = c->Parent())
        chain.insert(chain.begin(), c);
    for (const TClassInfo* c : chain) ReadComponentResource(form, c->ClassName());
}

}  // namespace kw
