#include "compare/CompareCommands.h"

#include "compare/OrderReference.h"
#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"

namespace velmora {

std::string CopiedMessage(const CopyCounts& counts) {
    const std::string copied =
        Fill(VT_TR("compare", "Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels"),
             {std::to_string(counts.satellites), std::to_string(counts.transponders),
              std::to_string(counts.tv), std::to_string(counts.radio)});
    if (counts.fields == 0) return copied;
    return Fill(VT_TR("compare", "%1, fields of %2 records"),
                {copied, std::to_string(counts.fields)});
}

std::unique_ptr<Database> ChooseComparisonDatabase(FileChooser& chooser, Prompter& prompter,
                                                   std::string& path) {
    const auto chosen =
        chooser.Choose(FileChoice{false, Translate("compare", kCompareWithTitle.data()),
                                  Translate("compare", kCompareFilter.data())});
    if (!chosen) return nullptr;
    auto db = std::make_unique<Database>();
    switch (LoadDatabaseFile(*db, *chosen, FileAccess::ReadOnly)) {
        case OpenResult::Ok:
            path = *chosen;
            return db;
        case OpenResult::CannotOpen:
            prompter.Tell(Translate("database", kMsgCannotOpen.data()));
            return nullptr;
        case OpenResult::NotValid:
            prompter.Tell(Translate("database", kMsgNotValid.data()));
            return nullptr;
    }
    return nullptr;
}

std::optional<OrderCounts> ApplyOrderFromChosenFile(Database& db, FileChooser& chooser,
                                                    Prompter& prompter) {
    if (!db.database_open) return std::nullopt;
    const auto chosen =
        chooser.Choose(FileChoice{false, Translate("compare", kApplyOrderTitle.data()),
                                  Translate("compare", kOrderReferenceFilter.data())});
    if (!chosen) return std::nullopt;
    const OrderReference reference = LoadOrderReference(*chosen);
    if (!reference.db) {
        prompter.Tell(reference.problem);
        return std::nullopt;
    }
    const OrderCounts counts = ApplyOrder(db, *reference.db);
    return counts;
}

}  // namespace velmora
