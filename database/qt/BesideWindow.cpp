#include "database/qt/BesideWindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <algorithm>

namespace velmora {
namespace {

constexpr int kGap = 8;
constexpr int kMinWidth = 420;  // narrower, the window is of little use
const QString kGroup = QStringLiteral("Window");

// Saves the window's geometry after the user moved, resized or hid it.
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget* window, QSettings* settings, QString key)
        : QObject(window), settings_(settings), key_(std::move(key)) {}

    void Save(const QWidget* window) {
        if (!settings_) return;
        settings_->beginGroup(kGroup);
        settings_->setValue(key_, window->saveGeometry());
        settings_->endGroup();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        const QEvent::Type type = event->type();
        if (window && (type == QEvent::Hide ||
                       ((type == QEvent::Move || type == QEvent::Resize) && window->isVisible())))
            Save(window);
        return false;
    }

private:
    // The settings may go before the window does, when the main window is destroyed.
    QPointer<QSettings> settings_;
    QString key_;
};

class EscapeCloser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        if (auto* window = qobject_cast<QWidget*>(watched)) window->close();
        return true;
    }
};

}  // namespace

QRect BesideRect(const QRect& main, const QSize& size, const QRect& available) {
    int width = std::min(size.width(), available.width());
    const int height = std::min(size.height(), available.height());
    const int room_right = available.right() - main.right() - kGap;
    const int room_left = main.left() - available.left() - kGap;
    int x = available.right() + 1 - width;  // over the main window only when nothing else fits
    if (width <= room_right) {
        x = main.right() + 1 + kGap;
    } else if (width <= room_left) {
        x = main.left() - kGap - width;
    } else if (std::max(room_right, room_left) >= kMinWidth) {
        // Narrower, on the side with more room, rather than over the main window.
        width = std::max(room_right, room_left);
        x = room_right >= room_left ? main.right() + 1 + kGap : available.left();
    }
    const int y = std::clamp(main.top(), available.top(), available.bottom() + 1 - height);
    return {x, y, width, height};
}

void KeepBesideMainWindow(QWidget* window, const QWidget* main, QSettings* settings,
                          const QString& key) {
    bool restored = false;
    if (settings) {
        settings->beginGroup(kGroup);
        restored = window->restoreGeometry(settings->value(key).toByteArray());
        settings->endGroup();
    }
    if (!restored) {
        const QScreen* screen = main->screen();
        const QRect available =
            screen ? screen->availableGeometry() : QRect(QPoint(), main->size());
        const QRect place = BesideRect(main->frameGeometry(), window->size(), available);
        window->resize(place.size());
        window->move(place.topLeft());
    }
    window->installEventFilter(new PlaceKeeper(window, settings, key));
}

void CloseOnEscape(QWidget* window) {
    window->installEventFilter(new EscapeCloser(window));
}

}  // namespace velmora
