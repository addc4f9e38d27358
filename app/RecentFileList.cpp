#include "app/RecentFileList.h"

#include <QDir>

namespace velmora {
namespace {

const QString kGroup = QStringLiteral("Recent File List");
constexpr int kMenuTextLength = 60;

}  // namespace

void RecentFileList::Add(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > size_) files_.removeLast();
}

void RecentFileList::Remove(const QString& path) {
    files_.removeAll(path);
}

void RecentFileList::Load(QSettings& settings) {
    files_.clear();
    settings.beginGroup(kGroup);
    for (int i = 1; i <= size_; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !files_.contains(path)) files_ << path;
    }
    settings.endGroup();
}

void RecentFileList::Save(QSettings& settings) const {
    settings.beginGroup(kGroup);
    for (int i = 1; i <= size_; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files_.size())
            settings.setValue(key, files_[i - 1]);
        else
            settings.remove(key);
    }
    settings.endGroup();
    settings.sync();
}

QString RecentFileList::MenuText(int i) const {
    QString path = QDir::toNativeSeparators(files_.value(i));
    if (path.size() > kMenuTextLength) {
        const int keep = kMenuTextLength / 2 - 2;
        path = path.left(keep) + QStringLiteral("...") + path.right(keep);
    }
    path.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(i + 1).arg(path);
}

}  // namespace velmora
