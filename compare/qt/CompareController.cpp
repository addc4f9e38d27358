#include "compare/qt/CompareController.h"

#include <QFile>
#include <cstring>

#include "channels/qt/CVelmoraView.h"
#include "compare/CopyAcross.h"
#include "database/qt/StatusNote.h"
#include "satellites/TransponderOps.h"
#include "satellites/qt/CLeftView.h"

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
      record_(std::move(record)) {}

// The window is the frame's child and goes with it.
CompareController::~CompareController() = default;

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
    rows_ = BuildCompareRows(here, *there_, DiffDatabases(here, *there_));
    window_->SetRows(&rows_, QFile::decodeName(there_path_.c_str()));
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
        ShowStatusNote(frame_, QStringLiteral("Copied %1 satellites, %2 transponders, %3 TV and "
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
    const Database& db = doc_.db();
    if (r.here < 0) return;  // nothing here to show
    switch (r.section) {
        case CompareSection::Satellites:
            if (r.here < db.sat_count()) tree_.setCurrentItem(tree_.SatelliteNode(r.here));
            break;
        case CompareSection::Transponders: {
            if (r.here >= db.tp_count()) break;
            const int s = db.transponders[r.here].satellite();
            const std::vector<int> under = SatelliteTransponderIndices(db, s);
            for (size_t k = 0; k < under.size(); ++k) {
                if (under[k] == r.here) tree_.setCurrentItem(tree_.TransponderNode(s, int(k)));
            }
            break;
        }
        case CompareSection::Tv:
        case CompareSection::Radio: {
            const bool radio = r.section == CompareSection::Radio;
            tree_.setCurrentItem(tree_.RootNode(kRootChannelList));
            const ChannelTable table = radio ? ChannelTable::Radio : ChannelTable::Tv;
            if (list_.list().shown_table() != table || !list_.list().listed())
                list_.list().ShowTable(list_.db(), table);
            const std::vector<int>& map = list_.list().row_map();
            for (size_t i = 0; i < map.size(); ++i) {
                if (map[i] == r.here) list_.SelectRows({static_cast<int>(i)});
            }
            break;
        }
        case CompareSection::Settings:
            break;
    }
}

}  // namespace velmora
