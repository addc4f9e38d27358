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
#include "text/Translate.h"

namespace velmora {

enum class CompareStatus { OnlyHere, OnlyThere, Changed };

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
    std::string fields;                    // the changed fields, ", " between them
    std::vector<std::string> field_names;  // the same, one by one
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

// What "Copy to this database" takes for the chosen rows (indices into `rows`): the
// records only there, and the copyable fields of the changed rows (only `field` when one
// is named, on the rows that changed it).
CopySelection CopySelectionOf(const std::vector<CompareRow>& rows, const std::vector<int>& chosen,
                              std::string_view field = {});

// Texts of the copy's refusals, translated where they are shown ("compare").
inline constexpr std::string_view kCopyNothingSelected =
    VT_TR_NOOP("compare", "Select the differences to copy.");
inline constexpr std::string_view kCopyOnlyHere =
    VT_TR_NOOP("compare", "Records only here have nothing to copy.");
inline constexpr std::string_view kCopyOrder =
    VT_TR_NOOP("compare", "An order is copied with Apply Order From.");
inline constexpr std::string_view kCopyParent = VT_TR_NOOP(
    "compare", "A record on another satellite or transponder is moved in the main window.");

// Why the chosen rows hold nothing the copy can take (a short reason for the status
// bar), or empty when they do.
std::string_view CopyRefusal(const std::vector<CompareRow>& rows, const std::vector<int>& chosen);

}  // namespace velmora
