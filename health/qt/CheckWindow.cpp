#include "health/qt/CheckWindow.h"

#include <QFont>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "health/Fixes.h"

namespace velmora {
namespace {

constexpr int kFindingRole = Qt::UserRole;

const char* KindTitle(FindingKind kind) {
    switch (kind) {
        case FindingKind::KeyCollision:
            return "Channels sharing a channel key";
        case FindingKind::DuplicateChannel:
            return "Duplicate channels";
        case FindingKind::OrphanChannel:
            return "Channels without a transponder";
        case FindingKind::DuplicateTransponder:
            return "Duplicate transponders";
        case FindingKind::OrphanTransponder:
            return "Transponders without a satellite";
        case FindingKind::DuplicateTpId:
            return "Transponders sharing an id";
        case FindingKind::PidOutOfRange:
            return "PIDs above 8191";
    }
    return "";
}

bool IsChannelTable(FindingTable t) {
    return t == FindingTable::Tv || t == FindingTable::Radio;
}

}  // namespace

CheckWindow::CheckWindow(const Database& db, CLeftView& tree, CVelmoraView& list,
                         RecordChange record, QWidget* parent)
    : QWidget(parent, Qt::Tool), db_(db), tree_(tree), view_(list), record_(std::move(record)) {
    setObjectName(QStringLiteral("CheckWindow"));
    setWindowTitle(QStringLiteral("Check Database"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("findings"));
    list_->setHeaderHidden(true);
    list_->setWordWrap(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fix_ = new QPushButton(QStringLiteral("Fix"), this);
    fix_->setObjectName(QStringLiteral("fix"));
    fix_all_ = new QPushButton(QStringLiteral("Fix All"), this);
    fix_all_->setObjectName(QStringLiteral("fixAll"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fix_);
    buttons->addWidget(fix_all_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(820, 360);

    connect(fix_, &QPushButton::clicked, this, &CheckWindow::FixSelected);
    connect(fix_all_, &QPushButton::clicked, this, &CheckWindow::FixAll);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        UpdateButtons();
        if (const Finding* f = FindingAt(list_->currentItem())) ShowRecord(*f);
    });
}

const Finding* CheckWindow::FindingAt(const QTreeWidgetItem* item) const {
    if (!item || !item->parent()) return nullptr;
    const int k = item->data(0, kFindingRole).toInt();
    return k >= 0 && k < static_cast<int>(findings_.size()) ? &findings_[static_cast<size_t>(k)]
                                                            : nullptr;
}

void CheckWindow::Refresh() {
    if (!isVisible()) return;
    std::vector<Finding> now = db_.database_open ? CheckDatabase(db_) : std::vector<Finding>{};
    // Selecting a finding relists the channels; that must not rebuild the list under it.
    if (built_ && now == findings_) return;
    findings_ = std::move(now);
    Rebuild();
}

void CheckWindow::Rebuild() {
    built_ = true;
    const QSignalBlocker block(list_);
    list_->clear();
    const auto counts = CountFindings(findings_);
    int mendable = 0;
    for (FindingKind kind : kAllFindingKinds) {
        const int n = counts[static_cast<size_t>(kind)];
        if (n == 0) continue;
        if (IsMendable(kind)) mendable += n;
        auto* group = new QTreeWidgetItem(list_);
        group->setText(0, QStringLiteral("%1 (%2)%3")
                              .arg(QString::fromLatin1(KindTitle(kind)))
                              .arg(n)
                              .arg(IsMendable(kind) ? QString() : QStringLiteral(", not fixed")));
        group->setData(0, kFindingRole, -1);
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        for (size_t k = 0; k < findings_.size(); ++k) {
            if (findings_[k].kind != kind) continue;
            auto* item = new QTreeWidgetItem(group);
            item->setText(0, QString::fromLatin1(findings_[k].text));
            item->setToolTip(0, item->text(0));
            item->setData(0, kFindingRole, static_cast<int>(k));
        }
    }
    list_->expandAll();
    if (!db_.database_open)
        summary_->setText(QStringLiteral("No database is open."));
    else if (findings_.empty())
        summary_->setText(QStringLiteral("No findings: the database is clean."));
    else
        summary_->setText(QStringLiteral("%1 finding(s), %2 of them can be fixed.")
                              .arg(findings_.size())
                              .arg(mendable));

    notes_.clear();
    for (const Finding& f : findings_) {
        if (f.kind != FindingKind::KeyCollision && f.kind != FindingKind::DuplicateChannel)
            continue;
        const QString text = QString::fromLatin1(f.text);
        auto note = [&](FindingTable t, int pos) {
            QString& n = notes_[(t == FindingTable::Radio ? kMaxChannels : 0) + pos];
            n = n.isEmpty() ? text : n + QLatin1Char('\n') + text;
        };
        note(f.table, f.index);
        for (size_t k = 0; k < f.others.size(); ++k) note(f.other_tables[k], f.others[k]);
    }
    SetRowNotes(true);
    UpdateButtons();
}

QString CheckWindow::RowNote(bool radio, int position) const {
    const auto it = notes_.find((radio ? kMaxChannels : 0) + position);
    return it == notes_.end() ? QString() : it->second;
}

void CheckWindow::SetRowNotes(bool on) {
    if (on)
        view_.channelModel()->SetRowNote(
            [this](bool radio, int position) { return RowNote(radio, position); });
    else
        view_.channelModel()->SetRowNote(nullptr);
}

std::vector<Finding> CheckWindow::SelectedMendable() const {
    std::vector<Finding> chosen;
    std::vector<bool> taken(findings_.size(), false);
    auto take = [&](const QTreeWidgetItem* item) {
        const Finding* f = FindingAt(item);
        if (!f || !IsMendable(f->kind)) return;
        const size_t k = static_cast<size_t>(f - findings_.data());
        if (!taken[k]) chosen.push_back(*f);
        taken[k] = true;
    };
    for (const QTreeWidgetItem* item : list_->selectedItems()) {
        take(item);
        // A kind's row stands for all of its findings.
        for (int c = 0; c < item->childCount(); ++c) take(item->child(c));
    }
    return chosen;
}

void CheckWindow::UpdateButtons() {
    fix_->setEnabled(!SelectedMendable().empty());
    fix_all_->setEnabled(std::any_of(findings_.begin(), findings_.end(),
                                     [](const Finding& f) { return IsMendable(f.kind); }));
}

void CheckWindow::FixSelected() {
    const std::vector<Finding> chosen = SelectedMendable();
    if (chosen.empty()) return;
    record_("Fix", [&chosen](Database& db) { return FixFindings(db, chosen) > 0; });
    Refresh();
}

void CheckWindow::FixAll() {
    record_("Fix All", [](Database& db) { return FixAllFindings(db) > 0; });
    Refresh();
}

void CheckWindow::ShowRecord(const Finding& f) {
    if (!db_.database_open) return;
    const bool channel = IsChannelTable(f.table);
    const bool radio = f.table == FindingTable::Radio;
    int tp_index = -1;
    if (channel && f.index < db_.channel_count(radio))
        tp_index = db_.FindTransponder(db_.channels(radio)[f.index].tp_id());
    else if (f.table == FindingTable::Transponders && f.index < db_.tp_count())
        tp_index = f.index;
    // The transponder's node; a channel whose transponder is gone shows in "Channel List".
    QTreeWidgetItem* node = nullptr;
    if (tp_index >= 0) {
        const int s = db_.transponders[tp_index].satellite();
        if (s < db_.sat_count()) {
            const auto& entries = tree_.node_map().entries(s);
            const auto at = std::find(entries.begin(), entries.end(), tp_index);
            if (at != entries.end())
                node = tree_.TransponderNode(s, static_cast<int>(at - entries.begin()));
        }
    }
    if (!node && channel) node = tree_.RootNode(kRootChannelList);
    if (!node) return;
    if (tree_.currentItem() == node)
        tree_.RefreshSelection();
    else
        tree_.setCurrentItem(node);
    tree_.scrollToItem(node);
    if (!channel) return;
    if (view_.list().radio_shown() != radio)
        view_.list().ShowTable(db_, radio ? ChannelTable::Radio : ChannelTable::Tv);
    const auto& rows = view_.list().row_map();
    const auto row = std::find(rows.begin(), rows.end(), f.index);
    if (row == rows.end()) return;
    const int r = static_cast<int>(row - rows.begin());
    view_.SelectRows({r});
    view_.scrollTo(view_.channelModel()->index(r, 0));
}

void CheckWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    built_ = false;
    Refresh();
}

void CheckWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    SetRowNotes(false);
}

}  // namespace velmora
