#include "satellites/qt/DialogBinding.h"

#include <QIcon>
#include <QPushButton>

namespace velmora::satellite_ui {

QLineEdit* MakeEdit(QWidget* parent, int id) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    return edit;
}

void SelectRow(QComboBox* list, int row) {
    list->setCurrentIndex(row >= 0 && row < list->count() ? row : -1);
}

}  // namespace velmora::satellite_ui
