#pragma once
// The comparison window: the rows of a comparison (only here, only there, changed with
// each change's old and new value), filterable by section, status and text; below the
// rows, the changes of the current row one per line. It shows what it is given and
// reports the user's choices; the controller acts on them. Enter on a row shows its
// record, Esc closes the window.

#include <QAbstractTableModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QWidget>
#include <vector>

#include "compare/CompareRows.h"

namespace velmora {

// The rows that pass the filter, formatted on demand.
class CompareTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kSection, kStatus, kHere, kThere, kChanges, kColumnCount };

    void SetRows(const std::vector<CompareRow>* rows, const CompareFilter& filter);
    // Index into the rows given of a shown row.
    int RowIndex(int shown_row) const { return shown_[static_cast<size_t>(shown_row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<CompareRow>* rows_ = nullptr;
    std::vector<int> shown_;
};

class CompareWindow : public QWidget {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent = nullptr);

    // Shows `rows` (kept by the caller while shown), comparing with the file `there`.
    void SetRows(const std::vector<CompareRow>* rows, const QString& there);
    // Indices into the rows of the selected rows, ascending.
    std::vector<int> SelectedRows() const;
    // Selects the shown row holding row index `row`; false when it is filtered out.
    bool SelectRow(int row);
    // Selects exactly the shown rows holding these row indices, telling no one.
    void SelectRows(const std::vector<int>& rows);

    QTableView* table() const { return table_; }
    QComboBox* sectionFilter() const { return section_; }
    QComboBox* statusFilter() const { return status_; }
    QLineEdit* textFilter() const { return text_; }
    QPushButton* copyButton() const { return copy_; }
    QLabel* summary() const { return summary_; }
    // The current row's changes: field, value here, value there.
    QTreeWidget* details() const { return details_; }
    CompareTableModel* model() const { return model_; }

signals:
    // The user clicked the row with this index: show its record.
    void rowSelected(int row);
    void copyRequested();
    // The window came to the front: the database here may have changed meanwhile.
    void activated();

protected:
    void changeEvent(QEvent* event) override;

private:
    void ApplyFilter();
    void ShowDetails();

    const std::vector<CompareRow>* rows_ = nullptr;
    QLabel* title_;
    QComboBox* section_;
    QComboBox* status_;
    QLineEdit* text_;
    QTableView* table_;
    CompareTableModel* model_;
    QTreeWidget* details_;
    QLabel* summary_;
    QPushButton* copy_;
};

}  // namespace velmora
