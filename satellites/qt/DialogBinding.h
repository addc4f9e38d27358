#pragma once
// Small helpers the satellite dialogs share to bind widgets to their forms: ids as
// object names, names as ISO-8859-1 bytes, list rows, and showing a refused field.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

#include "database/FieldChecks.h"
#include "database/Interaction.h"
#include "database/qt/DialogControls.h"
#include "database/qt/Latin1Text.h"

namespace velmora::satellite_ui {

// A drop-down list with the control id `id`, filled with `rows`.
template <typename Rows>
QComboBox* MakeList(QWidget* parent, int id, const Rows& rows) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::number(id));
    for (const auto& row : rows) list->addItem(TextOfBytes(row));
    return list;
}
QLineEdit* MakeEdit(QWidget* parent, int id);
// Selects `row`, or nothing when it is -1.
void SelectRow(QComboBox* list, int row);

}  // namespace velmora::satellite_ui
