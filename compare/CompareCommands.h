#pragma once
// The editor's commands of the comparison: "Compare With..." (File menu), "Apply Order
// From..." (Edit > Sort) and the comparison window's "Copy to this database". What they
// ask and tell goes through the interaction boundary.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "compare/ApplyOrder.h"
#include "compare/CopyAcross.h"
#include "database/Database.h"
#include "database/Interaction.h"
#include "text/Translate.h"

namespace velmora {

// The comparison window's button, and the name of the undo step it records (translated
// where they are shown, with the context "compare").
inline constexpr std::string_view kCopyToThisDatabaseText =
    VT_TR_NOOP("compare", "Copy to this database");
inline constexpr std::string_view kCompareWithTitle = VT_TR_NOOP("compare", "Compare With");
inline constexpr std::string_view kApplyOrderTitle = VT_TR_NOOP("compare", "Apply Order From");
inline constexpr std::string_view kCompareFilter =
    VT_TR_NOOP("compare", "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||");
inline constexpr std::string_view kOrderReferenceFilter =
    VT_TR_NOOP("compare",
               "Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|"
               "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");

// The status bar's word after a copy: "Copied 1 satellites, 2 transponders, 3 TV and 4
// radio channels", and ", fields of N records" when fields were taken.
std::string CopiedMessage(const CopyCounts& counts);

// A second database to compare with, as the editor opens it but read-only: it is never
// saved. Asks for the file; nullopt-like null when cancelled or refused (the user was told
// why with Open's messages). `path` receives the chosen path.
std::unique_ptr<Database> ChooseComparisonDatabase(FileChooser& chooser, Prompter& prompter,
                                                   std::string& path);

// Asks for a reference (.sdx, channel export .csv, or a list of names) and orders both
// channel tables of `db` after it. The counts, or nullopt when
// cancelled or refused (the user was told why). Does nothing with no database open.
std::optional<OrderCounts> ApplyOrderFromChosenFile(Database& db, FileChooser& chooser,
                                                    Prompter& prompter);

}  // namespace velmora
