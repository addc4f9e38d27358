#pragma once
// Small helpers the satellite dialogs share to bind widgets to their forms: ids as
// object names, names as ISO-8859-1 bytes, list rows, and showing a refused field.

#include <QComboBox>
#include <QCoreApplication>
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
// The same for a table of fixed names, which are English: each is shown translated from
// `context`, the context its table marks it with.
template <typename Names>
QComboBox* MakeNameList(QWidget* parent, int id, const Names& names, const char* context) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::number(id));
    for (std::string_view name : names)
        list->addItem(QCoreApplication::translate(context, std::string(name).c_str()));
    return list;
}
QLineEdit* MakeEdit(QWidget* parent, int id);
// Selects `row`, or nothing when it is -1.
void SelectRow(QComboBox* list, int row);

}  // namespace velmora::satellite_ui
