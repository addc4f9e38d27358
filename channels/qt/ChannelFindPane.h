#pragma once
// The right pane: a find field above the channel list. Typing narrows the list to the
// channels whose name contains the text; Escape empties the field.

#include <QLineEdit>
#include <QWidget>

#include "channels/qt/CVelmoraView.h"

namespace velmora {

class ChannelFindPane : public QWidget {
    Q_OBJECT
public:
    // Takes `view` as its child below the field.
    explicit ChannelFindPane(CVelmoraView* view, QWidget* parent = nullptr);

    QLineEdit* findField() const { return field_; }
    CVelmoraView* listView() const { return view_; }
    // Ctrl+F: focus on the field with its text selected.
    void FocusFind();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    CVelmoraView* view_;
};

}  // namespace velmora
