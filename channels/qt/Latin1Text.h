#pragma once
// Names are bytes shown as ISO-8859-1. Typed characters outside it are dropped here, like
// any byte the name filter refuses (QString::toLatin1 would turn them into '?', a byte
// the filter keeps).

#include <QString>
#include <string>

namespace velmora {

inline QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToBytesDroppingOthers(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (c.unicode() <= 0xFF) bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

inline QString WithoutOthers(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() <= 0xFF) kept.append(c);
    }
    return kept;
}

}  // namespace velmora
