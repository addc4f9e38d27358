#pragma once
// Small helpers shared by the settings dialogs: control ids as object names, the
// template id property, and the standard OK/Cancel buttons.

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <string_view>

#include "database/Interaction.h"
#include "database/FieldChecks.h"

namespace velmora {

inline constexpr int kOkControl = 1;
inline constexpr int kCancelControl = 2;

template <typename W>
W* WithId(W* widget, int control) {
    widget->setObjectName(QString::number(control));
    return widget;
}

inline void SetTemplateId(QDialog* dialog, int template_id) {
    dialog->setProperty("templateId", template_id);
}

// "OK" (id 1, default) and "Cancel" (id 2) wired to the dialog's accept and reject.
inline QDialogButtonBox* MakeOkCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok =
        WithId(box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), kOkControl);
    WithId(box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole), kCancelControl);
    ok->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

// Shows a failed field check once and puts the focus on the failing control.
inline void ReportFieldCheck(QDialog* dialog, Prompter& prompter, const FieldRefusal& check) {
    prompter.Tell(check.message);
    if (auto* field = dialog->findChild<QWidget*>(QString::number(check.control))) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    }
}

}  // namespace velmora
