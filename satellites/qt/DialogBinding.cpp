#include "satellites/qt/DialogBinding.h"

#include <QIcon>
#include <QPushButton>

namespace velmora::satellite_ui {

QString TextOfBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string BytesOfText(const QString& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() <= 0xFF) bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

QLineEdit* MakeEdit(QWidget* parent, int id) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    return edit;
}

void SelectRow(QComboBox* list, int row) {
    list->setCurrentIndex(row >= 0 && row < list->count() ? row : -1);
}

QDialogButtonBox* MakeOkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setIcon(QIcon());
    ok->setObjectName(QStringLiteral("1"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(QStringLiteral("Cancel"));
    cancel->setIcon(QIcon());
    cancel->setObjectName(QStringLiteral("2"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void ShowRefusal(QDialog* dialog, Prompter& prompter, const FieldRefusal& refusal) {
    prompter.Tell(refusal.message);
    if (auto* field = dialog->findChild<QWidget*>(QString::number(refusal.control))) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    }
}

}  // namespace velmora::satellite_ui
