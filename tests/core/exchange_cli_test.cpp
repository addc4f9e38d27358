// velmora-cli export and apply-csv end to end, with the built program and real files.

#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/ChannelCsv.h"
#include "exchange/CsvText.h"
#include "tests/core/CliRun.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::CliRun;
using testing::FileText;
using testing::RunCliLine;
using testing::TempDir;

const std::string kSample = std::string(VELMORA_SOURCE_DIR) + "/examples/sample.sdx";

void WriteText(const std::string& path, const std::string& text) {
    testing::WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

class ExchangeCli : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::copy_file(kSample, sdx); }
    TempDir dir;
    const std::string sdx = dir / "sample.sdx";
};

TEST_F(ExchangeCli, ExportWritesEachFormatToStandardOutputOrAFile) {
    const CliRun csv = RunCliLine(dir, "export " + sdx + " --format csv");
    EXPECT_EQ(csv.exit_code, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("table,index,name,", 0), 0u);
    const CliRun bom =
        RunCliLine(dir, "export " + sdx + " --format csv --bom -o " + (dir / "b.csv"));
    EXPECT_EQ(bom.exit_code, 0);
    EXPECT_EQ(bom.out, "");
    EXPECT_EQ(FileText(dir / "b.csv"), "\xEF\xBB\xBF" + csv.out);
    const CliRun html = RunCliLine(dir, "export " + sdx + " --format html -o " + (dir / "p.html"));
    EXPECT_EQ(html.exit_code, 0);
    EXPECT_NE(FileText(dir / "p.html").find("<h1>sample.sdx</h1>"), std::string::npos);
    const CliRun json = RunCliLine(dir, "export " + sdx + " --format json");
    const CliRun dump = RunCliLine(dir, "dump " + sdx);
    EXPECT_EQ(json.exit_code, 0);
    EXPECT_EQ(json.out, dump.out) << "json is the dump";
}

TEST_F(ExchangeCli, ExportOfAFileThatCannotBeOpenedFails) {
    const CliRun r = RunCliLine(dir, "export " + (dir / "missing.sdx") + " --format csv");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "Can't not open the file!\n");
    EXPECT_EQ(RunCliLine(dir, "export " + sdx + " --format xml").exit_code, 2) << "usage error";
}

TEST_F(ExchangeCli, ApplyCsvSavesInPlaceAndKeepsTheOldFile) {
    const std::string original = FileText(sdx);
    std::string csv = RunCliLine(dir, "export " + sdx + " --format csv").out;
    const size_t name = csv.find("\r\n") + 2 + std::string("tv,1,").size();
    std::string quoted;
    AppendCsvField(quoted, "Edited, \"1\"");
    csv.replace(name, csv.find(',', name) - name, quoted);
    WriteText(dir / "edits.csv", csv);
    const CliRun r = RunCliLine(dir, "apply-csv " + sdx + " " + (dir / "edits.csv"));
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(FileText(sdx + ".bak"), original);
    const std::string after = RunCliLine(dir, "export " + sdx + " --format csv").out;
    const ChannelCsvRows rows = ReadChannelCsv(after);
    ASSERT_FALSE(rows.refusal);
    EXPECT_EQ(rows.rows[0].name(), "Edited, \"1\"");
}

TEST_F(ExchangeCli, RefusedEditsLeaveTheFileUnchanged) {
    const std::string original = FileText(sdx);
    std::string csv = RunCliLine(dir, "export " + sdx + " --format csv").out;
    CsvReadResult read = ReadCsvRecords(csv);
    read.records[2].fields[kCsvVideoPid] = "9000";
    csv.clear();
    for (const CsvRecord& r : read.records) AppendCsvRecord(csv, r.fields);
    WriteText(dir / "edits.csv", csv);
    const CliRun r = RunCliLine(dir, "apply-csv " + sdx + " " + (dir / "edits.csv"));
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "line 3, column video_pid: Please enter an integer between 1 and 8191.\n");
    EXPECT_EQ(FileText(sdx), original);
    EXPECT_FALSE(std::filesystem::exists(sdx + ".bak"));
    EXPECT_EQ(RunCliLine(dir, "apply-csv " + sdx + " " + (dir / "none.csv")).exit_code, 1);
    EXPECT_EQ(FileText(sdx), original);
}

// The export's records, the first TV row's name set to `name`, joined by `separator`.
std::string Edited(const std::string& csv, const std::string& name, char separator = ',') {
    CsvReadResult read = ReadCsvRecords(csv);
    read.records[1].fields[kCsvName] = name;
    std::string text;
    for (const CsvRecord& r : read.records) {
        for (size_t i = 0; i < r.fields.size(); ++i) {
            if (i > 0) text.push_back(separator);
            AppendCsvField(text, r.fields[i]);
        }
        text.append("\r\n");
    }
    return text;
}

TEST_F(ExchangeCli, ApplyCsvTellsWhatItChangesAndADryRunWritesNothing) {
    const std::string csv = RunCliLine(dir, "export " + sdx + " --format csv").out;
    const auto apply = [&](const std::string& name, const std::string& options) {
        WriteText(dir / "edits.csv", Edited(csv, name));
        return RunCliLine(dir, "apply-csv " + sdx + " " + (dir / "edits.csv") + options);
    };
    const std::string renamed = "1 channels renamed, 0 moved, 0 with other changes\n";
    EXPECT_EQ(apply("007", "").err, renamed);
    const std::string saved = FileText(sdx);
    // A spreadsheet drops the zeros: told, not refused.
    const std::string told = renamed + "1 names look converted by a spreadsheet\n";
    const CliRun trial = apply("7", " --dry-run");
    EXPECT_EQ(trial.exit_code, 0);
    EXPECT_EQ(trial.err, told);
    EXPECT_EQ(FileText(sdx), saved);
    const CliRun refused = apply(std::string(200, 'x'), " --dry-run");
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_EQ(refused.err.find("renamed"), std::string::npos) << refused.err;
    const CliRun real = apply("7", "");
    EXPECT_EQ(real.exit_code, 0);
    EXPECT_EQ(real.err, told);
    EXPECT_NE(FileText(sdx), saved);
    EXPECT_EQ(apply("7", "").err, "0 channels renamed, 0 moved, 0 with other changes\n");
}

TEST_F(ExchangeCli, ApplyCsvAndOrderReadFilesSeparatedBySemicolons) {
    const std::string csv = RunCliLine(dir, "export " + sdx + " --format csv").out;
    WriteText(dir / "semi.csv", Edited(csv, "Semi; colon", ';'));
    const CliRun r = RunCliLine(dir, "apply-csv " + sdx + " " + (dir / "semi.csv"));
    EXPECT_EQ(r.exit_code, 0) << r.err;
    const ChannelCsvRows rows =
        ReadChannelCsv(RunCliLine(dir, "export " + sdx + " --format csv").out);
    ASSERT_FALSE(rows.refusal);
    EXPECT_EQ(rows.rows[0].name(), "Semi; colon");
    const CliRun order = RunCliLine(dir, "order " + sdx + " " + (dir / "semi.csv"));
    EXPECT_EQ(order.exit_code, 0) << order.err;
    EXPECT_EQ(order.err.find("Ordered 0 "), std::string::npos) << order.err;
}

}  // namespace
}  // namespace velmora
