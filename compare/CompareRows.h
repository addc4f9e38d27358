#pragma once
// The comparison window's rows as plain values: one per record only here, only there or
// changed, and one per changed setting, each with the texts the window shows. Filtering
// and the choice of records to copy are decided here, not in the widgets.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compare/CopyAcross.h"
#include "compare/DatabaseDiff.h"
#include "compare/ReadableChanges.h"

namespace velmora {

enum class CompareSection { Satellites, Transponders, Tv, Radio, Settings };
enum class CompareStatus { OnlyHere, OnlyThere, Changed };

inline constexpr int kCompareSectionCount = 5;
inline constexpr int kCompareStatusCount = 3;

// "Satellites", "Transponders", "TV", "Radio", "Settings".
std::string_view SectionName(CompareSection section);
// "only here", "only there", "changed".
std::string_view StatusName(CompareStatus status);

struct CompareRow {
    CompareSection section = CompareSection::Settings;
    CompareStatus status = CompareStatus::Changed;
    int here = -1;          // table position here, -1 when none
    int there = -1;         // table position there, -1 when none
    std::string here_text;  // UTF-8, as are all the texts of a row
    std::string there_text;
    std::string fields;  // the changed fields, ", " between them
    // A changed record's or setting's fields in words, with both values.
    std::vector<ReadableChange> changes;
};

// Rows of every section in order: satellites, transponders, TV, radio, settings; within
// a section only here, only there, then changed, each by position.
std::vector<CompareRow> BuildCompareRows(const Database& here, const Database& there,
                                         const DatabaseDiff& diff);

struct CompareFilter {
    std::optional<CompareSection> section;
    std::optional<CompareStatus> status;
    // UTF-8; found in either side's text, the fields or the changes, ignoring case.
    std::string text;
};
bool RowMatches(const CompareRow& row, const CompareFilter& filter);

// The records that the chosen rows (indices into `rows`) hold only there.
CopySelection CopySelectionOf(const std::vector<CompareRow>& rows, const std::vector<int>& chosen);

}  // namespace velmora
