#pragma once
// Short texts laid out once in one font and kept: the views draw the same few thousand
// labels on every repaint, and shaping each anew was most of what a repaint cost.

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStaticText>

namespace velmora {

class LaidOutTexts {
public:
    struct Text {
        QStaticText text;
        int width = 0;
    };

    // `text` laid out in `font`; a new font forgets every text laid out before.
    const Text& Get(const QString& text, const QFont& font) {
        if (font != font_) {
            texts_.clear();
            font_ = font;
        }
        if (auto found = texts_.constFind(text); found != texts_.constEnd()) return *found;
        // Far more than the distinct texts of two full tables; past it they are laid out anew.
        if (texts_.size() >= 100000) texts_.clear();
        Text entry;
        entry.text.setTextFormat(Qt::PlainText);
        entry.text.setText(text);
        entry.text.prepare(QTransform(), font_);
        entry.width = QFontMetrics(font_).horizontalAdvance(text);
        return *texts_.insert(text, std::move(entry));
    }

    // Draws `text` at `x`, centred on the height of `rect`.
    void Draw(QPainter* painter, int x, const QRect& rect, const Text& text) const {
        if (painter->font() != font_) painter->setFont(font_);
        painter->drawStaticText(x, rect.y() + (rect.height() - QFontMetrics(font_).height()) / 2,
                                text.text);
    }

private:
    QHash<QString, Text> texts_;
    QFont font_;
};

}  // namespace velmora
