#include "health/qt/CheckWindow.h"

#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/CommandTable.h"
#include "database/qt/BesideWindow.h"
#include "satellites/qt/ShowRecord.h"

namespace velmora {
namespace {

constexpr int kFindingRole = Qt::UserRole;

const char* KindTitle(FindingKind kind) {
    switch (kind) {
        case FindingKind::KeyCollision:
            return QT_TRANSLATE_NOOP("velmora::CheckWindow", "Channels sharing a channel key");
        case FindingKind::DuplicateChannel:
            return QT_TRANSLATE_NOOP("velmora::CheckWindow", "Duplicate channels");
        case FindingKind::OrphanChannel:
            return QT_TRANSLATE_NOOP("velmora::CheckWindow", "Channels without a transponder");
        case FindingKind::DuplicateTransponder:
            return QT_TRANSLATE_NOOP("velmora::CheckWindow", "Duplicate transponders");
        case FindingKind::OrphanTransponder:
            return QT_TRANSLATE_NOOP("velmora::CheckWindow", "Transponders without a satellite");
        case FindingKind::DuplicateTpId:
            return QT_TRANSLATE_NOOP("velmora::CheckWindow", "Transponders sharing an id");
        case FindingKind::PidOutOfRange:
            return QT_TRANSLATE_NOOP("velmora::CheckWindow", "PIDs above 8191");
    }
    return "";
}

}  // namespace

CheckWindow::CheckWindow(CVelmoraDoc& doc, CLeftView& tree, CVelmoraView& list,
                         WindowCommandSink run, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      doc_(doc),
      db_(doc.db()),
      tree_(tree),
      view_(list),
      run_(std::move(run)) {
    doc_.AddObserver(this);
    setObjectName(QStringLiteral("CheckWindow"));
    setWindowTitle(tr("Check Database"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("findings"));
    list_->setHeaderHidden(true);
    // One line per finding; the whole text is its tooltip.
    list_->setWordWrap(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fix_ = new QPushButton(
        QCoreApplication::translate("commands", FindCommand(kCmdFixFindings)->menu_text), this);
    fix_->setObjectName(QStringLiteral("fix"));
    fix_all_ = new QPushButton(
        QCoreApplication::translate("commands", FindCommand(kCmdFixAllFindings)->menu_text), this);
    fix_all_->setObjectName(QStringLiteral("fixAll"));
    auto* close = new QPushButton(tr("Close"), this);
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
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CheckWindow::UpdateButtons);
    // Only the user's own click moves the main window's selection.
    const auto show_record = [this](QTreeWidgetItem* item) {
        if (const Finding* f = FindingAt(item)) ShowRecord(*f);
    };
    connect(list_, &QTreeWidget::itemClicked, this, show_record);
    // Enter on a finding (and a double click) shows its record as a click does.
    connect(list_, &QTreeWidget::itemActivated, this, show_record);
    CloseOnEscape(this);
}

CheckWindow::~CheckWindow() {
    doc_.RemoveObserver(this);
}

void CheckWindow::StepFinished(DocumentStep) {
    Refresh();
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
    const QStringList selected = SelectedTexts();
    list_->clear();
    const auto counts = CountFindings(findings_);
    int mendable = 0;
    for (FindingKind kind : kAllFindingKinds) {
        const int n = counts[static_cast<size_t>(kind)];
        if (n == 0) continue;
        if (IsMendable(kind)) mendable += n;
        auto* group = new QTreeWidgetItem(list_);
        //: A kind of finding and its count. Keep " (" before the count: the window finds
        //: a kind's row by the title before it.
        group->setText(0, (IsMendable(kind) ? tr("%1 (%2)") : tr("%1 (%2), not fixed"))
                              .arg(tr(KindTitle(kind)))
                              .arg(n));
        group->setData(0, kFindingRole, -1);
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        for (size_t k = 0; k < findings_.size(); ++k) {
            if (findings_[k].kind != kind) continue;
            auto* item = new QTreeWidgetItem(group);
            item->setText(0, QString::fromStdString(findings_[k].text));
            item->setToolTip(0, item->text(0));
            item->setData(0, kFindingRole, static_cast<int>(k));
        }
    }
    list_->expandAll();
    SelectTexts(selected);
    if (!db_.database_open)
        summary_->setText(tr("No database is open."));
    else if (findings_.empty())
        summary_->setText(tr("No findings: the database is clean."));
    else
        summary_->setText(
            tr("%1 finding(s), %2 of them can be fixed.").arg(findings_.size()).arg(mendable));

    notes_.clear();
    for (const Finding& f : findings_) {
        if (f.kind != FindingKind::KeyCollision && f.kind != FindingKind::DuplicateChannel)
            continue;
        const QString text = QString::fromStdString(f.text);
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

QStringList CheckWindow::SelectedTexts() const {
    QStringList texts;
    for (const QTreeWidgetItem* item : list_->selectedItems()) texts.append(item->text(0));
    return texts;
}

void CheckWindow::SelectTexts(const QStringList& texts) {
    // A kind's row is found by its title: its count may have changed.
    auto title = [](const QString& text) { return text.section(QLatin1String(" ("), 0, 0); };
    for (QTreeWidgetItemIterator it(list_); *it; ++it) {
        const QString text = (*it)->text(0);
        const bool kind = !(*it)->parent();
        for (const QString& t : texts) {
            if (t == text || (kind && title(t) == title(text))) (*it)->setSelected(true);
        }
    }
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
    run_(kCmdFixFindings, {.findings = chosen});
}

void CheckWindow::FixAll() {
    run_(kCmdFixAllFindings, {});
}

void CheckWindow::ShowRecord(const Finding& f) {
    switch (f.table) {
        case FindingTable::Tv:
            return ShowRecordInMainWindow(db_, tree_, view_, RecordTable::Tv, f.index);
        case FindingTable::Radio:
            return ShowRecordInMainWindow(db_, tree_, view_, RecordTable::Radio, f.index);
        case FindingTable::Transponders:
            return ShowRecordInMainWindow(db_, tree_, view_, RecordTable::Transponders, f.index);
        case FindingTable::Satellites:
            return ShowRecordInMainWindow(db_, tree_, view_, RecordTable::Satellites, f.index);
    }
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
