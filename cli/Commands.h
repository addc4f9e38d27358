#pragma once
// The commands of velmora-cli. Each writes its results to `out`, its messages to `err`,
// and returns the process's exit code (0 done, 1 failed, unless a command says more).

#include <ostream>
#include <string>

namespace velmora::cli {

// Signature, the four counts and the packed length of a database file.
int Info(const std::string& sdx_path, std::ostream& out, std::ostream& err);
// The whole database as the editor holds it right after Open, as one JSON object.
int Dump(const std::string& sdx_path, std::ostream& out, std::ostream& err);
// Builds a database from JSON (missing parts as New makes them) and saves it.
int Load(const std::string& json_path, const std::string& sdx_path, std::ostream& err);
// Saves a new, empty database that opens again.
int New(const std::string& sdx_path, std::ostream& err);
// The health check of a database as JSON on `out`: 0 no findings, 3 findings, 1 when the
// file cannot be opened. With `fix_path` the mendable findings are mended and the result
// saved there (in place as Save does, keeping NAME.bak), and what remains is printed: 0
// nothing remains, 3 findings that need a person remain, 1 failure with nothing written.
int Check(const std::string& sdx_path, const std::string& fix_path, std::ostream& out,
          std::ostream& err);
// Runs the listing-page import on a database and saves it in place.
int Import(const std::string& sdx_path, const std::string& page_path, std::ostream& err);

// Compares two databases as JSON: 0 when nothing differs, 3 when something does, 1 when
// a file cannot be opened.
int Diff(const std::string& a_path, const std::string& b_path, std::ostream& out,
         std::ostream& err);
// Applies the order of a reference (.sdx, channel export .csv, or a list of names) and
// saves in place keeping the old file as NAME.bak; the counts go to `err`.
int Order(const std::string& sdx_path, const std::string& reference_path, std::ostream& err);

enum class ExportFormat { Csv, Html, Json, Names, SatellitesXml };
// The channel CSV (with a byte-order mark when `bom`), the HTML page or the dump JSON of a
// database, to `out_path` or, when that is empty, to `out`. 1 when the database can't be
// opened or `out_path` can't be written.
int Export(const std::string& sdx_path, ExportFormat format, const std::string& out_path, bool bom,
           std::ostream& out, std::ostream& err);
// Applies the edits of a channel CSV and saves the database in place, keeping the old file
// as NAME.bak. On a refusal the message goes to `err` and the file is not touched. Once
// applied, tells the summary line (and how many names look converted by a spreadsheet);
// `dry_run` checks and tells the same but writes nothing.
int ApplyCsv(const std::string& sdx_path, const std::string& csv_path, std::ostream& err,
             bool dry_run = false);

}  // namespace velmora::cli
