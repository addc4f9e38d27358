#pragma once
// The recent-file list of the File menu: the last four files opened or saved, newest
// first, kept in the settings under "Recent File List" as File1..File4.

#include <QSettings>
#include <QStringList>

namespace velmora {

class RecentFileList {
public:
    explicit RecentFileList(int size) : size_(size) {}

    const QStringList& files() const { return files_; }
    // Puts `path` first (once), dropping the oldest beyond the list's size.
    void Add(const QString& path);
    void Remove(const QString& path);

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // The menu text of entry i: "&1 path", long paths shortened in the middle.
    QString MenuText(int i) const;

private:
    int size_;
    QStringList files_;
};

}  // namespace velmora
