#include "channels/qt/ChannelFindPane.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "database/qt/Latin1Text.h"

namespace velmora {

ChannelFindPane::ChannelFindPane(CVelmoraView* view, QWidget* parent)
    : QWidget(parent), field_(new QLineEdit(this)), view_(view) {
    setObjectName(QStringLiteral("ChannelFindPane"));
    field_->setObjectName(QStringLiteral("ChannelFind"));
    field_->setPlaceholderText(tr("Find channel (Ctrl+F)"));
    field_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field_);
    layout->addWidget(view_, 1);
    // Characters a name cannot hold can never match: they are left out of the search.
    connect(field_, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The clear button comes with the first text: its icon is looked up in the icon
        // theme, which cost the start-up more than the whole list does.
        if (!text.isEmpty()) field_->setClearButtonEnabled(true);
        view_->SetFilter(BytesOfText(text));
    });
}

void ChannelFindPane::FocusFind() {
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

bool ChannelFindPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        field_->clear();
        return true;
    }
    // Down from the field goes to the rows it found.
    if (watched == field_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        view_->setFocus(Qt::TabFocusReason);
        if (!view_->currentIndex().isValid() && view_->model()->rowCount() > 0) view_->selectRow(0);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
