#include "app/LockKeys.h"

#include <QDir>
#include <QFile>

namespace velmora {

std::optional<bool> LockKeyOn(LockKey key) {
    const char* suffix = key == LockKey::Caps  ? "::capslock"
                         : key == LockKey::Num ? "::numlock"
                                               : "::scrolllock";
    const QDir leds(QStringLiteral("/sys/class/leds"));
    std::optional<bool> on;
    for (const QString& name : leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!name.endsWith(QLatin1String(suffix))) continue;
        QFile brightness(leds.filePath(name + QStringLiteral("/brightness")));
        if (!brightness.open(QIODevice::ReadOnly)) continue;
        const bool lit = brightness.readAll().trimmed().toInt() > 0;
        on = on.value_or(false) || lit;  // any keyboard whose LED is lit
    }
    return on;
}

}  // namespace velmora
