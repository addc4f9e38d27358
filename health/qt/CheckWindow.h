#pragma once
// "Check Database...": a window beside the editor listing the health check's findings by
// kind, showing a clicked finding's record in the tree and the channel list, and mending
// the selected ones ("Fix") or all ("Fix All"), each a command of the main window. It checks again
// after every finished step of the document, keeping its selection. While it is open
// the channel list tints the rows of duplicates and collisions.

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <unordered_map>
#include <vector>

#include "channels/qt/CVelmoraView.h"
#include "commands/CommandContext.h"
#include "database/CVelmoraDoc.h"
#include "health/Findings.h"
#include "satellites/qt/CLeftView.h"

namespace velmora {

class CheckWindow : public QWidget, public DocumentObserver {
    Q_OBJECT
public:
    // `run` runs the window's commands in the main window.
    CheckWindow(CVelmoraDoc& doc, CLeftView& tree, CVelmoraView& list, WindowCommandSink run,
                QWidget* parent = nullptr);
    ~CheckWindow() override;

    // DocumentObserver: the findings of the tables as they are now.
    void StepFinished(DocumentStep step) override;

    const std::vector<Finding>& findings() const { return findings_; }
    QTreeWidget* findingList() const { return list_; }
    // The finding a row of the list stands for, or null for a kind's row.
    const Finding* FindingAt(const QTreeWidgetItem* item) const;

public slots:
    // Checks the database again; the list is rebuilt only when the findings changed.
    void Refresh();
    void FixSelected();
    void FixAll();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Rebuild();
    void ShowRecord(const Finding& f);
    // The texts of the selected rows, and selecting the rows with those texts again.
    QStringList SelectedTexts() const;
    void SelectTexts(const QStringList& texts);
    void UpdateButtons();
    std::vector<Finding> SelectedMendable() const;
    // The note a channel row carries while the window is open (empty for none).
    QString RowNote(bool radio, int position) const;
    void SetRowNotes(bool on);

    CVelmoraDoc& doc_;
    const Database& db_;
    CLeftView& tree_;
    CVelmoraView& view_;
    WindowCommandSink run_;
    std::vector<Finding> findings_;
    bool built_ = false;
    std::unordered_map<int, QString> notes_;  // radio * kMaxChannels + position
    QLabel* summary_;
    QTreeWidget* list_;
    QPushButton* fix_;
    QPushButton* fix_all_;
};

}  // namespace velmora
