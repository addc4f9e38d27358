#include "compare/qt/CompareController.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "channels/qt/CVelmoraView.h"
#include "compare/CopyAcross.h"
#include "database/qt/StatusNote.h"
#include "satellites/TransponderOps.h"
#include "satellites/qt/CLeftView.h"
#include "satellites/qt/ShowRecord.h"

namespace velmora {
namespace {

bool SameTables(const DatabaseTables& a, const DatabaseTables& b) {
    return std::memcmp(&a, &b, sizeof(DatabaseTables)) == 0;
}

}  // namespace

CompareController::CompareController(CVelmoraDoc& doc, CLeftView& tree, CVelmoraView& list,
                                     QWidget* frame, RecordChange record)
    : QObject(frame),
      doc_(doc),
      tree_(tree),
      list_(list),
      frame_(frame),
      record_(std::move(record)) {
    doc_.AddObserver(this);
}

// The window is the frame's child and goes with it.
CompareController::~CompareController() {
    doc_.RemoveObserver(this);
}

void CompareController::StepFinished(DocumentStep) {
    Refresh(false);
}

void CompareController::CompareWith() {
    if (!doc_.IsOpen()) return;
    std::string path;
    auto there = ChooseComparisonDatabase(doc_.chooser(), doc_.prompter(), path);
    if (!there) return;
    there_ = std::move(there);
    there_path_ = path;
    if (!window_) {
        window_ = new CompareWindow(frame_);
        connect(window_, &CompareWindow::rowSelected, this, &CompareController::ShowRecord);
        connect(window_, &CompareWindow::copyRequested, this, &CompareController::CopySelected);
        connect(window_, &CompareWindow::activated, this, [this] { Refresh(false); });
        if (place_) place_(window_);
    }
    Refresh(true);
    window_->show();
    window_->raise();
}

void CompareController::Refresh(bool always) {
    if (!window_ || !there_) return;
    if (!doc_.IsOpen()) {
        // The database compared is closed: nothing is left to compare.
        window_->close();
        return;
    }
    const Database& here = doc_.db();
    if (!always && compared_ && SameTables(*compared_, here.tables())) return;
    if (!compared_) compared_ = std::make_unique<DatabaseTables>();
    *compared_ = here.tables();
    // The selection is kept by what the rows stand for: a record there keeps its position
    // there, a record only here its position here.
    std::vector<std::pair<CompareSection, int>> kept;
    for (int r : window_->SelectedRows()) {
        const CompareRow& row = rows_[static_cast<size_t>(r)];
        kept.emplace_back(row.section, row.there >= 0 ? row.there : -2 - row.here);
    }
    rows_ = BuildCompareRows(here, *there_, DiffDatabases(here, *there_));
    window_->SetRows(&rows_, QFile::decodeName(there_path_.c_str()));
    std::vector<int> again;
    for (size_t r = 0; r < rows_.size(); ++r) {
        const std::pair<CompareSection, int> key{
            rows_[r].section, rows_[r].there >= 0 ? rows_[r].there : -2 - rows_[r].here};
        if (std::find(kept.begin(), kept.end(), key) != kept.end())
            again.push_back(static_cast<int>(r));
    }
    window_->SelectRows(again);
}

void CompareController::CopySelected() {
    if (!window_ || !there_ || !doc_.IsOpen()) return;
    // Positions there hold while this database changes; the copy pairs afresh.
    const CopySelection selection = CopySelectionOf(rows_, window_->SelectedRows());
    std::optional<CopyCounts> counts;
    record_(kCopyToThisDatabaseText.data(), [&](Database& here) {
        counts = CopyAcross(here, *there_, selection, doc_.prompter());
        return counts && counts->total() > 0;
    });
    if (counts && counts->total() > 0) {
        ShowStatusNote(frame_, tr("Copied %1 satellites, %2 transponders, %3 TV and "
                                  "%4 radio channels")
                                   .arg(counts->satellites)
                                   .arg(counts->transponders)
                                   .arg(counts->tv)
                                   .arg(counts->radio));
    }
    Refresh(true);
}

void CompareController::ShowRecord(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || !doc_.IsOpen()) return;
    const CompareRow& r = rows_[static_cast<size_t>(row)];
    switch (r.section) {
        case CompareSection::Satellites:
            return ShowRecordInMainWindow(doc_.db(), tree_, list_, RecordTable::Satellites, r.here);
        case CompareSection::Transponders:
            return ShowRecordInMainWindow(doc_.db(), tree_, list_, RecordTable::Transponders,
                                          r.here);
        case CompareSection::Tv:
            return ShowRecordInMainWindow(doc_.db(), tree_, list_, RecordTable::Tv, r.here);
        case CompareSection::Radio:
            return ShowRecordInMainWindow(doc_.db(), tree_, list_, RecordTable::Radio, r.here);
        case CompareSection::Settings:
            return;
    }
}

}  // namespace velmora
