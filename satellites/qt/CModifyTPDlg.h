#pragma once
// "Modified TP" (template 161): one satellite's transponders with Add, Edit and Del,
// which act on the database at once through a ModifiedTpList.

#include <QDialog>

#include "satellites/ModifiedTpList.h"

class QListWidget;

namespace velmora {

class CModifyTPDlg : public QDialog {
    Q_OBJECT
public:
    explicit CModifyTPDlg(ModifiedTpList& list, QWidget* parent = nullptr);

private:
    std::vector<int> SelectedRows() const;
    void ShowRows();

    ModifiedTpList& list_;
    QListWidget* rows_;
};

}  // namespace velmora
