#include "services/PackagePropertyPath.h"

#include <exception>
#include <vector>

#include "platform/CodePage.h"
#include "platform/ComCtrls.h"
#include "platform/SysUtils.h"
#include "services/PropAccess.h"

namespace kw {

namespace {

// Beyond this line a numbered string-list assignment is taken for a broken
// package rather than lengthen the list without end.
constexpr int kMaxPackageLine = 65535;

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> segments;
    size_t start = 0;
    for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
        segments.push_back(path.substr(start, dot - start));
        start = dot + 1;
    }
    segments.push_back(path.substr(start));
    return segments;
}

// "Items_12" -> name "Items", index 12. False without a numbered suffix.
bool SplitNumbered(const std::string& segment, std::string& name, int& index)
{
    const size_t underscore = segment.rfind('_');
    if (underscore == std::string::npos || underscore == 0 || underscore + 1 == segment.size())
        return false;
    const std::string digits = segment.substr(underscore + 1);
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    name = segment.substr(0, underscore);
    index = std::stoi(digits);
    return true;
}

void SetLine(TStrings& list, int index, const std::string& value)
{
    if (index > kMaxPackageLine)
        return;
    while (list.Count() <= index)
        list.Add("");
    list.Put(index, value);
}

// Item index of what current holds under name (Items or Columns); current
// itself when there is no such item.
TObject* StepIntoItem(TObject* current, const std::string& name, int index)
{
    if (auto* collection = dynamic_cast<TCollection*>(current))
        return index < collection->Count() ? collection->Items(index) : current;
    if (auto* listView = dynamic_cast<TListView*>(current)) {
        if (SameText(name, "Columns"))
            return index < listView->Columns()->Count() ? listView->Columns()->Items(index) : current;
        return index < listView->Items()->Count() ? listView->Items()->Item(index) : current;
    }
    if (auto* treeView = dynamic_cast<TTreeView*>(current); treeView && SameText(name, "Items"))
        return index < treeView->Items()->Count() ? treeView->Items()->Item(index) : current;
    return current;
}

void ApplyToLastSegment(TObject* current, const std::string& name, const std::string& value)
{
    if (auto* item = dynamic_cast<TListItem*>(current); item && SameText(name, "Caption")) {
        item->SetCaption(value);
        return;
    }
    if (auto* node = dynamic_cast<TTreeNode*>(current); node && SameText(name, "Text")) {
        node->SetText(value);
        return;
    }
    TrySetPropertyPath(current, name, Variant(value, CP_DESIGN));
}

}  // namespace

void ApplyPackageProperty(TObject& target, const std::string& path, const std::string& value)
{
    try {
        const std::vector<std::string> segments = SplitPath(path);
        std::string name;
        int index = 0;
        if (segments.size() == 1) {
            if (SplitNumbered(path, name, index))
                if (auto* list = dynamic_cast<TStrings*>(GetObjectProperty(&target, name))) {
                    SetLine(*list, index, value);
                    return;
                }
            ApplyToLastSegment(&target, path, value);
            return;
        }
        TObject* current = &target;
        for (size_t i = 0; i + 1 < segments.size(); ++i) {
            if (SplitNumbered(segments[i], name, index)) {
                if (!SameText(name, "Items") && !SameText(name, "Columns"))
                    return;
                current = StepIntoItem(current, name, index);
            } else {
                current = GetObjectProperty(current, segments[i]);
                if (!current)
                    return;
            }
        }
        ApplyToLastSegment(current, segments.back(), value);
    } catch (const std::exception&) {
        // An assignment the property refuses is skipped like a missing one.
    }
}

}  // namespace kw
