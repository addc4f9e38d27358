#pragma once
// Small helpers shared by the channel dialogs: controls are found by their numeric id,
// which is their objectName, and a refused field gets the focus with its text selected.

#include <QDialog>
#include <QLineEdit>
#include <QWidget>

namespace velmora {

inline void SetControlId(QWidget* w, int id) {
    w->setObjectName(QString::number(id));
}

inline QWidget* FindControl(const QWidget* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id));
}

inline void FocusControl(const QWidget* dialog, int id) {
    QWidget* w = FindControl(dialog, id);
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

}  // namespace velmora
