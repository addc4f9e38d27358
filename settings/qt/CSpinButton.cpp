#include "settings/qt/CSpinButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "database/qt/Latin1Text.h"
#include "settings/OtherSettingsForm.h"

namespace velmora {
namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(18);
    return button;
}

}  // namespace

CSpinButton::CSpinButton(QWidget* parent) : QWidget(parent) {
    up_ = MakeArrow(this, Qt::UpArrow);
    down_ = MakeArrow(this, Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

void CSpinButton::SetBuddy(QLineEdit* buddy) {
    if (buddy_) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_) {
        buddy_->installEventFilter(this);
        setFixedHeight(buddy_->sizeHint().height());
    }
}

void CSpinButton::SetRange(int low, int high) {
    low_ = std::min(low, high);
    high_ = std::max(low, high);
}

void CSpinButton::StepBy(int steps) {
    if (!buddy_) return;
    const int value = DecimalValueOf(BytesOfText(buddy_->text()));
    int next = value;
    if (value < low_) {
        next = low_;
    } else if (value > high_) {
        next = high_;
    } else {
        next = std::clamp(value + steps, low_, high_);
    }
    buddy_->setText(QString::number(next));
}

bool CSpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
