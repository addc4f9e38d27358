#pragma once
// Channel and favourite group names keep only the bytes the name filter keeps. The edit
// drops any other character as it is typed or pasted and says so in the status bar, so
// that what the field shows is what OK stores.

#include <QCoreApplication>
#include <QLineEdit>
#include <QString>
#include <algorithm>

#include "database/Records.h"
#include "database/qt/StatusNote.h"

namespace velmora {

inline bool IsNameCharacter(QChar c) {
    return c.unicode() <= 0xFF && IsKeptNameByte(static_cast<uint8_t>(c.unicode()));
}

// The status-bar note for the characters `dropped`.
inline QString NameCharactersDroppedNote(const QString& dropped) {
    return QCoreApplication::translate("velmora::NameField", "A name cannot hold \"%1\"; left out.")
        .arg(dropped);
}

inline void FilterNameAsTyped(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        QString kept;
        QString dropped;
        int cursor = edit->cursorPosition();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (IsNameCharacter(text[i])) {
                kept += text[i];
            } else {
                if (!dropped.contains(text[i])) dropped += text[i];
                if (i < cursor) --cursor;
            }
        }
        if (dropped.isEmpty()) return;
        edit->setText(kept);
        edit->setCursorPosition(std::max(0, cursor));
        ShowStatusNote(edit, NameCharactersDroppedNote(dropped));
    });
}

}  // namespace velmora
