// The lookup window's chooser: a modal dialog listing the rows of a lookup,
// from which the user takes one row, or several into a second list.
//
// Components (names for scripted answers): "lblColumns" (the headings),
// "lstRows" (the rows), for several rows "lstChosen" with "btnAdd" and
// "btnRemove", and "btnOk" and "btnCancel". A double click on a row takes it
// (several rows: adds it to the chosen list).
#pragma once

#include <string>
#include <vector>

#include "host/LookupTables.h"
#include "platform/Forms.h"

namespace kw {

class TListBox;

class TfrmShellLookup : public TForm {
    KW_CLASS(TfrmShellLookup)
public:
    // rows: UTF-8 column texts; current: the caller's text, whose row is
    // selected first (matched on the first column, then as its beginning).
    TfrmShellLookup(TComponent* owner, const TLookupSpec& spec, const std::vector<std::vector<std::string>>& rows,
                    bool multiSelect, const std::string& current);

    // The rows taken, in the order taken; without multi-select, or when
    // nothing was added to the chosen list, the highlighted row.
    std::vector<int> ChosenRows() const;

private:
    void AddSelected();
    void RemoveSelected();
    TListBox* rows_ = nullptr;
    TListBox* chosen_ = nullptr;
    std::vector<int> chosenIndices_;
};

// Shows the chooser modally; the chosen rows, none when cancelled.
std::vector<int> ChooseLookupRows(const TLookupSpec& spec, const std::vector<std::vector<std::string>>& rows,
                                  bool multiSelect, const std::string& current);

// The text of one row as the lists show it (UTF-8).
std::string LookupRowText(const std::vector<std::string>& columns);

}  // namespace kw
