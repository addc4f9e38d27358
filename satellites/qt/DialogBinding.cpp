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

}  // namespace velmora::satellite_ui
