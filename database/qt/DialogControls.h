#pragma once
// What every dialog shares: control ids as object names, the template id property, the
// standard OK/Cancel buttons, and showing a refused field once with the focus on it.

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <initializer_list>

#include "database/FieldChecks.h"
#include "database/Interaction.h"

namespace velmora {

inline constexpr int kOkControl = 1;
inline constexpr int kCancelControl = 2;

inline void SetControlId(QWidget* w, int id) {
    w->setObjectName(QString::number(id));
}

template <typename W>
W* WithId(W* widget, int control) {
    SetControlId(widget, control);
    return widget;
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

// Tab visits `controls` in this order: the order the dialog's layout shows them in.
inline void SetTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        if (!w) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

// The same by control id.
inline void SetTabChainById(QWidget* dialog, std::initializer_list<int> ids) {
    QWidget* previous = nullptr;
    for (int id : ids) {
        QWidget* w = FindControl(dialog, id);
        if (!w) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

inline void SetTemplateId(QDialog* dialog, int template_id) {
    dialog->setProperty("templateId", template_id);
}

// "OK" (id 1, default) and "Cancel" (id 2) wired to the dialog's accept and reject.
inline QDialogButtonBox* MakeOkCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok =
        WithId(box->addButton(QCoreApplication::translate("velmora::DialogControls", "OK"),
                              QDialogButtonBox::AcceptRole),
               kOkControl);
    WithId(box->addButton(QCoreApplication::translate("velmora::DialogControls", "Cancel"),
                          QDialogButtonBox::RejectRole),
           kCancelControl);
    ok->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

// Shows a refused field's message once and puts the focus on the field.
inline void ShowRefusal(QDialog* dialog, Prompter& prompter, const FieldRefusal& refusal) {
    prompter.Tell(refusal.message, refusal.icon,
                  Translate("database", std::string(refusal.caption).c_str()));
    FocusControl(dialog, refusal.control);
}

}  // namespace velmora
