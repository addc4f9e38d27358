#include "compare/qt/CompareController.h"

#include <QFile>
#include <QSignalBlocker>
#include <QStatusBar>
#include <cstring>

#include "channels/qt/CVelmoraView.h"
#include "compare/CopyAcross.h"
#include "satellites/TransponderOps.h"
#include "satellites/qt/CLeftView.h"

namespace velmora {
namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool SameTables(const DatabaseTables& a, const DatabaseTables& b) {
    return std::memcmp(&a, &b, sizeof(DatabaseTables)) == 0;
}

}  // namespace

CompareController::CompareController(CVelmoraDoc& doc, CLeftView& tree, CVelmoraView& list,
                                     QWidget* frame, QStatusBar* status,
                                     std::function<void()> changed)
    : QObject(frame),
      doc_(doc),
      tree_(tree),
      list_(list),
      frame_(frame),
      status_(status),
      changed_(std::move(changed)) {}

// The window is the frame's child and goes with it.
CompareController::~CompareController() = default;

void CompareController::Run(int id) {
    if (id == kCmdCompareWith) CompareWith();
    if (id == kCmdApplyOrderFrom) ApplyOrderFrom();
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
    Database& db = doc_.db();
    doc_.history().Begin(db);
    const auto counts = CopyAcross(db, *there_, selection, doc_.prompter());
    doc_.history().Commit(db, std::string(kCopyToThisDatabaseText));
    if (counts && counts->total() > 0) {
        RefreshViews(true);
        status_->showMessage(QStringLiteral("Copied %1 satellites, %2 transponders, %3 TV and "
                                            "%4 radio channels")
                                 .arg(counts->satellites)
                                 .arg(counts->transponders)
                                 .arg(counts->tv)
                                 .arg(counts->radio));
    }
    changed_();
    Refresh(true);
}

void CompareController::ApplyOrderFrom() {
    if (!doc_.IsOpen()) return;
    Database& db = doc_.db();
    doc_.history().Begin(db);
    const auto counts = ApplyOrderFromChosenFile(db, doc_.chooser(), doc_.prompter());
    doc_.history().Commit(db, std::string(kApplyOrderLabel));
    if (counts) {
        RefreshViews(false);
        status_->showMessage(Latin1(OrderMessage(*counts)));
    }
    changed_();
}

void CompareController::RefreshViews(bool tree_changed) {
    if (tree_changed) {
        // The nodes are rebuilt from the tables; the selection is handled once, below.
        const QSignalBlocker block(&tree_);
        tree_.RebuildSatellites();
        for (int g = 0; g < FavouriteGroups::kGroups; ++g) tree_.UpdateGroupNode(g);
    }
    list_.SetupColumns();
    if (tree_.currentItem())
        tree_.RefreshSelection();
    else if (list_.list().listed())
        list_.RefreshList(list_.list().radio_mode);
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
            const int radio = r.section == CompareSection::Radio ? 1 : 0;
            tree_.setCurrentItem(tree_.RootNode(kRootChannelList));
            if (list_.list().radio_mode != radio || !list_.list().listed())
                list_.RefreshList(radio);
            const std::vector<int>& map = list_.list().row_map;
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
