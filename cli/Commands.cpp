#include "cli/Commands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "cli/DiffJson.h"
#include "cli/FindingsJson.h"
#include "cli/JsonSchema.h"
#include "cli/JsonText.h"
#include "cli/OpenSave.h"
#include "cli/StreamPrompter.h"
#include "compare/ApplyOrder.h"
#include "compare/NameList.h"
#include "compare/OrderReference.h"
#include "database/DatabaseFile.h"
#include "database/FileEdit.h"
#include "database/Latin1.h"
#include "database/Upkeep.h"
#include "exchange/ChannelHtml.h"
#include "exchange/CsvEdits.h"
#include "health/Fixes.h"
#include "import/ListingFileName.h"
#include "import/ListingImport.h"
#include "satxml/SatXmlWriter.h"

namespace velmora::cli {
namespace {

constexpr const char* kCannotOpen = "Can't not open the file!";
constexpr const char* kNotValid = "This file is not a correct file,please select another!";
constexpr const char* kCannotSave = "Can not save file!";
constexpr const char* kCannotWrite =
    "Can not write the output: the disk may be full or the output closed.";
constexpr const char* kNothingWritten =
    "Nothing was written: the database does not compress to fewer bytes than it holds.";

}  // namespace

void Tell(std::ostream& err, std::string_view message) {
    err << EscapeControls(message, true) << '\n';
}

std::unique_ptr<Database> OpenOrTell(const std::string& path, FileAccess access,
                                     std::ostream& err) {
    auto db = std::make_unique<Database>();
    switch (LoadDatabaseFile(*db, path, access)) {
        case OpenResult::Ok:
            return db;
        case OpenResult::CannotOpen:
            Tell(err, kCannotOpen);
            return nullptr;
        case OpenResult::NotValid:
            Tell(err, kNotValid);
            return nullptr;
    }
    return nullptr;
}

namespace {

int SaveResultOrTell(SaveResult saved, std::ostream& err) {
    switch (saved) {
        case SaveResult::Written:
            return 0;
        case SaveResult::CannotCreate:
        case SaveResult::ChangedOnDisk:
            Tell(err, kCannotSave);
            return 1;
        case SaveResult::NothingToWrite:
            Tell(err, kNothingWritten);
            return 1;
    }
    return 1;
}

}  // namespace

int SaveOrTell(Database& db, const std::string& path, std::ostream& err, Backup backup) {
    return SaveResultOrTell(SaveDatabaseFile(db, path, backup), err);
}

int Finish(std::ostream& out, std::ostream& err, int code) {
    out.flush();
    if (out) return code;
    Tell(err, kCannotWrite);
    return 1;
}

int EditOrTell(const std::string& path, const DatabaseChange& change, std::ostream& err) {
    const FileEditResult result = EditDatabaseFile(path, change);
    switch (result.opened) {
        case OpenResult::Ok:
            break;
        case OpenResult::CannotOpen:
            Tell(err, kCannotOpen);
            return 1;
        case OpenResult::NotValid:
            Tell(err, kNotValid);
            return 1;
    }
    if (result.change == EditChange::Refused) return 1;
    if (!result.saved) return 0;
    return SaveResultOrTell(*result.saved, err);
}

int Info(const std::string& sdx_path, std::ostream& out, std::ostream& err) {
    // Inspection needs no write access.
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
    if (!db) return 1;
    const SdxHeader& h = db->header;
    out << "signature:      " << EscapeControls(Latin1ToUtf8(h.signature())) << '\n'
        << "satellites:     " << h.sat_count() << '\n'
        << "transponders:   " << h.tp_count() << '\n'
        << "tv channels:    " << h.tv_count() << '\n'
        << "radio channels: " << h.radio_count() << '\n'
        << "packed length:  " << h.packed_length() << '\n';
    return Finish(out, err, 0);
}

int Dump(const std::string& sdx_path, std::ostream& out, std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
    if (!db) return 1;
    out << DatabaseToJson(*db).dump(2) << '\n';
    return Finish(out, err, 0);
}

int Load(const std::string& json_path, const std::string& sdx_path, std::ostream& err) {
    const std::optional<std::string> text = ReadInputFile(json_path);
    if (!text) {
        Tell(err, kCannotOpen);
        return 1;
    }
    Json doc;
    if (const auto problem = ParseJsonText(*text, json_path, doc)) {
        Tell(err, *problem);
        return 1;
    }
    auto db = std::make_unique<Database>();
    if (const auto problem = JsonToDatabase(doc, *db)) {
        Tell(err, *problem);
        return 1;
    }
    return SaveOrTell(*db, sdx_path, err);
}

int New(const std::string& sdx_path, std::ostream& err) {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    return SaveOrTell(*db, sdx_path, err);
}

int Import(const std::string& sdx_path, const std::string& page_path, std::ostream& err) {
    // The editor's two passes each report an unreadable page; here it is said once, and
    // the database is not rewritten for nothing.
    const ListingPage page = LoadListingPage(page_path);
    // Saved in place, so the file as it was stays as NAME.bak, as after the editor's
    // first save.
    return EditOrTell(
        sdx_path,
        [&](Database& db) {
            if (!page.opened) {
                Tell(err, kMsgCannotOpenPage);
                return EditChange::Refused;
            }
            StreamPrompter prompter(err);
            ImportResult result;
            ImportListingPass(db, page, Band::C, prompter, result);
            ImportListingPass(db, page, Band::Ku, prompter, result);
            if (result.new_satellites.empty()) {
                if (const auto problem = ListingNameProblem(page_path))
                    Tell(err, Latin1ToUtf8(*problem));
            }
            return result.new_satellites.empty() && result.transponders_added == 0
                       ? EditChange::None
                       : EditChange::Made;
        },
        err);
}

int Diff(const std::string& a_path, const std::string& b_path, std::ostream& out,
         std::ostream& err) {
    const auto a = OpenOrTell(a_path, FileAccess::ReadOnly, err);
    if (!a) return 1;
    const auto b = OpenOrTell(b_path, FileAccess::ReadOnly, err);
    if (!b) return 1;
    const DatabaseDiff diff = DiffDatabases(*a, *b);
    out << DiffToJson(diff, *a, *b).dump(2) << '\n';
    return Finish(out, err, diff.empty() ? 0 : 3);
}

int Order(const std::string& sdx_path, const std::string& reference_path, std::ostream& err) {
    return EditOrTell(
        sdx_path,
        [&](Database& db) {
            const OrderReference reference = LoadOrderReference(reference_path);
            if (!reference.db) {
                Tell(err, reference.problem);
                return EditChange::Refused;
            }
            const OrderCounts counts = ApplyOrder(db, *reference.db);
            Tell(err, OrderMessage(counts));
            // As Save: a file that would not change is left alone, its backup too.
            return counts.moved ? EditChange::Made : EditChange::None;
        },
        err);
}

int Check(const std::string& sdx_path, const std::string& fix_path, std::ostream& out,
          std::ostream& err) {
    constexpr int kFindingsRemain = 3;
    std::vector<std::string> notes;
    // The file holds the groups as Open builds them from the marks, so that fixing the
    // result again writes the same bytes.
    const auto mend = [&notes](Database& db) {
        const int mended = FixAllFindings(db, &notes);
        if (mended > 0) {
            db.favourites.bytes.fill(0);
            RebuildFavouriteGroups(db);
        }
        return mended;
    };
    std::vector<Finding> findings;
    std::error_code ec;
    const bool in_place = !fix_path.empty() && std::filesystem::equivalent(sdx_path, fix_path, ec);
    if (in_place) {
        // Read, mended and written under one lock; a file that would not change is left
        // alone.
        const int code = EditOrTell(
            sdx_path,
            [&](Database& db) {
                const int mended = mend(db);
                findings = CheckDatabase(db);
                return mended > 0 ? EditChange::Made : EditChange::None;
            },
            err);
        if (code != 0) return code;
    } else {
        // Only a file that is saved back must be writable.
        const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
        if (!db) return 1;
        if (!fix_path.empty()) {
            mend(*db);
            if (SaveOrTell(*db, fix_path, err) != 0) return 1;
        }
        findings = CheckDatabase(*db);
    }
    // Marks a fix had to drop are said, as nobody asked for that.
    for (const std::string& note : notes) Tell(err, note);
    out << FindingsToJson(findings).dump(2) << '\n';
    return Finish(out, err, findings.empty() ? 0 : kFindingsRemain);
}

int Export(const std::string& sdx_path, ExportFormat format, const std::string& out_path, bool bom,
           std::ostream& out, std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
    if (!db) return 1;
    std::string text;
    switch (format) {
        case ExportFormat::Csv:
            text = ChannelsCsv(*db, ChannelTables::Both, bom);
            break;
        case ExportFormat::Html:
            text =
                ChannelsHtml(*db, ChannelTables::Both, AllListColumns(), PageTitleOfPath(sdx_path));
            break;
        case ExportFormat::Json:
            text = DatabaseToJson(*db).dump(2) + '\n';
            break;
        case ExportFormat::Names:
            text = ChannelNameList(*db);
            break;
        case ExportFormat::SatellitesXml:
            text = SatellitesXml(*db);
            break;
    }
    if (out_path.empty()) {
        out << text;
        return Finish(out, err, 0);
    }
    if (!ReplaceFileAtomically(out_path, std::vector<uint8_t>(text.begin(), text.end()))) {
        Tell(err, kCannotSave);
        return 1;
    }
    return 0;
}

int ApplyCsv(const std::string& sdx_path, const std::string& csv_path, std::ostream& err,
             bool dry_run) {
    std::optional<CsvEditsSummary> applied;
    const auto apply = [&](Database& db) {
        // Read in blocks, row by row: a huge or hostile file is refused at its first
        // bad line without being held.
        const CsvEditsResult result = ApplyCsvEdits(db, CsvInput{{}, csv_path});
        if (!result.opened) {
            Tell(err, kCannotOpen);
            return EditChange::Refused;
        }
        if (result.refusal) {
            Tell(err, *result.refusal);
            return EditChange::Refused;
        }
        applied = result.summary;
        // As Save: a file that nothing changed is not written again.
        return result.changed ? EditChange::Made : EditChange::None;
    };
    int code = 0;
    if (dry_run) {
        // A trial needs no write access and takes no lock.
        const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
        code = db && apply(*db) != EditChange::Refused ? 0 : 1;
    } else {
        code = EditOrTell(sdx_path, apply, err);
    }
    // Told once the file is written, so that a failed save is not followed by a success.
    if (code == 0 && applied) {
        Tell(err, SummaryLine(*applied));
        if (applied->looks_converted > 0) Tell(err, ConvertedNamesLine(applied->looks_converted));
    }
    return code;
}

}  // namespace velmora::cli
