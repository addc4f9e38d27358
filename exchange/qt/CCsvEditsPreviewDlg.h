#pragma once
// The preview of "Apply CSV Edits...": the summary, the warning about names a spreadsheet
// seems to have converted, the changed channels, and Apply or Cancel.

#include <QDialog>

#include "exchange/CsvEditsPreview.h"

class QListWidget;

namespace velmora {

class CCsvEditsPreviewDlg : public QDialog {
    Q_OBJECT
public:
    CCsvEditsPreviewDlg(const CsvEditsPreview& preview, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};

}  // namespace velmora
