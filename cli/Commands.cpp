#include "cli/Commands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "cli/DiffJson.h"
#include "cli/FindingsJson.h"
#include "cli/JsonSchema.h"
#include "cli/JsonText.h"
#include "cli/OpenSave.h"
#include "cli/StreamPrompter.h"
#include "compare/ApplyOrder.h"
#include "compare/OrderReference.h"
#include "database/DatabaseFile.h"
#include "database/Latin1.h"
#include "database/Upkeep.h"
#include "exchange/ChannelHtml.h"
#include "exchange/CsvEdits.h"
#include "health/Fixes.h"
#include "import/ListingFileName.h"
#include "import/ListingImport.h"

namespace velmora::cli {
namespace {

constexpr const char* kCannotOpen = "Can't not open the file!";
constexpr const char* kNotValid = "This file is not a correct file,please select another!";
constexpr const char* kCannotSave = "Can not save file!";
constexpr const char* kNothingWritten =
    "Nothing was written: the database does not compress to fewer bytes than it holds.";

}  // namespace

std::unique_ptr<Database> OpenOrTell(const std::string& path, FileAccess access,
                                     std::ostream& err) {
    auto db = std::make_unique<Database>();
    switch (LoadDatabaseFile(*db, path, access)) {
        case OpenResult::Ok:
            return db;
        case OpenResult::CannotOpen:
            err << kCannotOpen << '\n';
            return nullptr;
        case OpenResult::NotValid:
            err << kNotValid << '\n';
            return nullptr;
    }
    return nullptr;
}

int SaveOrTell(Database& db, const std::string& path, std::ostream& err, Backup backup) {
    switch (SaveDatabaseFile(db, path, backup)) {
        case SaveResult::Written:
            return 0;
        case SaveResult::CannotCreate:
        case SaveResult::ChangedOnDisk:
            err << kCannotSave << '\n';
            return 1;
        case SaveResult::NothingToWrite:
            err << kNothingWritten << '\n';
            return 1;
    }
    return 1;
}

namespace {

// Text from the file shown on a terminal: bytes read as ISO-8859-1, control characters
// (C0, DEL, C1) as \xNN so that a file cannot send escape sequences.
std::string Printable(const std::string& bytes) {
    std::string shown;
    for (const char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (b < 0x20 || (b >= 0x7F && b < 0xA0)) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
            shown += escaped;
        } else {
            shown += Latin1ToUtf8(std::string_view(&c, 1));
        }
    }
    return shown;
}

}  // namespace

int Info(const std::string& sdx_path, std::ostream& out, std::ostream& err) {
    // Inspection needs no write access.
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
    if (!db) return 1;
    const SdxHeader& h = db->header;
    out << "signature:      " << Printable(h.signature()) << '\n'
        << "satellites:     " << h.sat_count() << '\n'
        << "transponders:   " << h.tp_count() << '\n'
        << "tv channels:    " << h.tv_count() << '\n'
        << "radio channels: " << h.radio_count() << '\n'
        << "packed length:  " << h.packed_length() << '\n';
    return 0;
}

int Dump(const std::string& sdx_path, std::ostream& out, std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
    if (!db) return 1;
    out << DatabaseToJson(*db).dump(2) << '\n';
    return 0;
}

int Load(const std::string& json_path, const std::string& sdx_path, std::ostream& err) {
    const std::optional<std::string> text = ReadInputFile(json_path);
    if (!text) {
        err << kCannotOpen << '\n';
        return 1;
    }
    Json doc;
    if (const auto problem = ParseJsonText(*text, json_path, doc)) {
        err << *problem << '\n';
        return 1;
    }
    auto db = std::make_unique<Database>();
    if (const auto problem = JsonToDatabase(doc, *db)) {
        err << *problem << '\n';
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
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadWrite, err);
    if (!db) return 1;
    // The editor's two passes each report an unreadable page; here it is said once, and
    // the database is not rewritten for nothing.
    const ListingPage page = LoadListingPage(page_path);
    if (!page.opened) {
        err << kMsgCannotOpenPage << '\n';
        return 1;
    }
    StreamPrompter prompter(err);
    ImportResult result;
    ImportListingPass(*db, page, Band::C, prompter, result);
    ImportListingPass(*db, page, Band::Ku, prompter, result);
    if (result.new_satellites.empty()) {
        if (const auto problem = ListingNameProblem(page_path))
            err << Latin1ToUtf8(*problem) << '\n';
    }
    // Saved in place, so the file as it was stays as NAME.bak, as after the editor's
    // first save.
    return SaveOrTell(*db, sdx_path, err, Backup::KeepOld);
}

int Diff(const std::string& a_path, const std::string& b_path, std::ostream& out,
         std::ostream& err) {
    const auto a = OpenOrTell(a_path, FileAccess::ReadOnly, err);
    if (!a) return 1;
    const auto b = OpenOrTell(b_path, FileAccess::ReadOnly, err);
    if (!b) return 1;
    const DatabaseDiff diff = DiffDatabases(*a, *b);
    out << DiffToJson(diff).dump(2) << '\n';
    return diff.empty() ? 0 : 3;
}

int Order(const std::string& sdx_path, const std::string& reference_path, std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadWrite, err);
    if (!db) return 1;
    const OrderReference reference = LoadOrderReference(reference_path);
    if (!reference.db) {
        err << reference.problem << '\n';
        return 1;
    }
    const OrderCounts counts = ApplyOrder(*db, *reference.db);
    err << OrderMessage(counts) << '\n';
    return SaveOrTell(*db, sdx_path, err, Backup::KeepOld);
}

int Check(const std::string& sdx_path, const std::string& fix_path, std::ostream& out,
          std::ostream& err) {
    constexpr int kFindingsRemain = 3;
    std::error_code ec;
    const bool in_place = !fix_path.empty() && std::filesystem::equivalent(sdx_path, fix_path, ec);
    // Only a file that is saved back must be writable.
    const auto db =
        OpenOrTell(sdx_path, in_place ? FileAccess::ReadWrite : FileAccess::ReadOnly, err);
    if (!db) return 1;
    if (!fix_path.empty()) {
        const int mended = FixAllFindings(*db);
        // As Save: a file that would not change is left alone.
        if (mended > 0 || !in_place) {
            // The file holds the groups as Open builds them from the marks, so that fixing
            // the result again writes the same bytes.
            db->favourites.bytes.fill(0);
            RebuildFavouriteGroups(*db);
            if (SaveOrTell(*db, fix_path, err, in_place ? Backup::KeepOld : Backup::None) != 0)
                return 1;
        }
    }
    const std::vector<Finding> findings = CheckDatabase(*db);
    out << FindingsToJson(findings).dump(2) << '\n';
    return findings.empty() ? 0 : kFindingsRemain;
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
    }
    if (out_path.empty()) {
        out << text;
        return out ? 0 : 1;
    }
    if (!ReplaceFileAtomically(out_path, std::vector<uint8_t>(text.begin(), text.end()))) {
        err << kCannotSave << '\n';
        return 1;
    }
    return 0;
}

int ApplyCsv(const std::string& sdx_path, const std::string& csv_path, std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadWrite, err);
    if (!db) return 1;
    const std::optional<std::string> text = ReadInputFile(csv_path);
    if (!text) {
        err << kCannotOpen << '\n';
        return 1;
    }
    const CsvEditsResult result = ApplyCsvEdits(*db, *text);
    if (result.refusal) {
        err << *result.refusal << '\n';
        return 1;
    }
    // As Save: a file that nothing changed is not written again.
    if (!result.changed) return 0;
    return SaveOrTell(*db, sdx_path, err, Backup::KeepOld);
}

}  // namespace velmora::cli
