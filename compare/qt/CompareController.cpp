#include "compare/qt/CompareController.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstring>

#include "channels/qt/CVelmoraView.h"
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
                                     QWidget* frame, WindowCommandSink run)
    : QObject(frame), doc_(doc), tree_(tree), list_(list), frame_(frame), run_(std::move(run)) {
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
        connect(window_, &CompareWindow::copyRequested, this, [this] { CopySelected(); });
        connect(window_, &CompareWindow::activated, this, [this] { Refresh(false); });
        if (place_) place_(window_);
        connect(window_->table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { UpdateCopy(true); });
        // A changed row's fields can be copied one by one from its pop-up menu.
        window_->table()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(window_->table(), &QWidget::customContextMenuRequested, this,
                [this](const QPoint& at) {
                    if (auto menu = BuildCopyMenu())
                        menu->exec(window_->table()->viewport()->mapToGlobal(at));
                });
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
    UpdateCopy(false);
}

void CompareController::UpdateCopy(bool tell) {
    if (!window_) return;
    const std::string_view refusal = CopyRefusal(rows_, window_->SelectedRows());
    const QString reason =
        refusal.empty() ? QString() : QCoreApplication::translate("compare", refusal.data());
    window_->copyButton()->setEnabled(refusal.empty());
    window_->copyButton()->setStatusTip(reason);
    if (tell && !refusal.empty() && !window_->SelectedRows().empty())
        ShowStatusNote(frame_, reason);
}

void CompareController::CopySelected(const std::string& field) {
    if (!window_ || !there_ || !doc_.IsOpen()) return;
    // Positions there hold while this database changes; the copy pairs afresh.
    WindowSelection selection;
    selection.there = there_.get();
    selection.copy = CopySelectionOf(rows_, window_->SelectedRows(), field);
    if (selection.copy.empty()) return UpdateCopy(true);
    run_(kCmdCopyToThisDatabase, selection);
}

std::unique_ptr<QMenu> CompareController::BuildCopyMenu() {
    if (!window_ || !there_) return nullptr;
    const std::vector<int> chosen = window_->SelectedRows();
    if (!CopyRefusal(rows_, chosen).empty()) return nullptr;
    auto menu = std::make_unique<QMenu>(window_);
    const QString copy = window_->copyButton()->text();
    connect(menu->addAction(copy), &QAction::triggered, this, [this] { CopySelected(); });
    // Each field a chosen changed row differs in, once.
    std::vector<std::string> fields;
    for (int r : chosen) {
        for (const std::string& f : rows_[static_cast<size_t>(r)].field_names) {
            if (IsCopyableField(f) && std::find(fields.begin(), fields.end(), f) == fields.end())
                fields.push_back(f);
        }
    }
    if (!fields.empty()) menu->addSeparator();
    for (const std::string& f : fields) {
        connect(menu->addAction(tr("Copy only %1").arg(QString::fromStdString(f))),
                &QAction::triggered, this, [this, f] { CopySelected(f); });
    }
    return menu;
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
