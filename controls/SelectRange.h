// The value rules of the selection panel that need no control: the
// enumerations of its properties, the day number of a range date, the rule
// that puts a range in order when the focus leaves the panel, and the order
// of its list rows.
#pragma once

#include <string>
#include <vector>

#include "platform/SysUtils.h"
#include "platform/TypInfo.h"
#include "services/DateTypes.h"

namespace kw {

enum TSelectStyle { sp_Range, sp_Discrete, sp_UserChoice };
KW_DECLARE_ENUM(TSelectStyle)
enum TValueType { vt_String, vt_Number, vt_Date, vt_Time, vt_Float, vt_OtherMask };
KW_DECLARE_ENUM(TValueType)
KW_DECLARE_ENUM(TDateType)
enum TCheckDuplicate { cd_None, cd_CheckCase, cd_CaseInsensitive };
KW_DECLARE_ENUM(TCheckDuplicate)

// What the exit rule of a range looks at besides the two texts.
struct TRangeRules {
    TValueType ValueType = vt_String;
    TDateType DateType = dt_NoneCare;
    std::string DateSign = "/";
    bool AutoChangeDateSite = true;
    bool UseDiscard = false;
    std::string Discard;
    std::string EmptyMaskText;
};

// The day number of a date text in the layout of type, its parts separated
// by dateSign; a year and month alone count as the first of the month.
// 0 for no date: an empty text, the empty masked text, too few or too many
// separators, parts that are not whole numbers, impossible dates. Every
// real date is above 0, later dates higher.
int ParseRangeDate(const std::string& text, TDateType type, const std::string& dateSign,
                   const std::string& emptyMaskText);

// Whether the begin and end texts (as they stand after the exit trimming)
// change places under the rules. Empty texts never do.
bool RangeNeedsExchange(const TRangeRules& rules, const std::string& begin, const std::string& end);

// The order of two list rows (entry 0 the caption, then the sub-items):
// case-insensitive on column sortColumn, then on the next columns of the
// sequence sortColumn, 0, 1 (each once) while equal; negated when not
// ascending. A missing column counts as an empty text.
int CompareRows(const std::vector<std::string>& a, const std::vector<std::string>& b, int sortColumn,
                bool ascending);
// The same for rows read through cell(row, column) -> text.
template <class Row, class Cell>
int CompareRowsBy(const Row& a, const Row& b, Cell cell, int sortColumn, bool ascending) {
    const int columns[3] = {sortColumn, 0, 1};
    int r = 0;
    for (int i = 0; i < 3 && r == 0; ++i) {
        bool seen = false;
        for (int j = 0; j < i; ++j) seen = seen || columns[j] == columns[i];
        if (!seen) r = CompareText(cell(a, columns[i]), cell(b, columns[i]));
    }
    return ascending ? r : -r;
}

}  // namespace kw
