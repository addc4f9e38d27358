#pragma once
// Names and other record texts are bytes shown as ISO-8859-1. Typed characters that have
// no such byte are dropped, as the name filter drops a byte it refuses (QString::toLatin1
// would turn them into '?', a byte the filter keeps).

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

inline QString TextOfBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string BytesOfText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (c.unicode() <= 0xFF) bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

// `text` without the characters that have no ISO-8859-1 byte.
inline QString WithoutOthers(const QString& text) {
    return TextOfBytes(BytesOfText(text));
}

}  // namespace velmora
