#pragma once
// An up-down control attached to a number edit: the arrows (and the Up and Down keys in
// the edit) step the edit's number within a range. The edit stays free text; the range
// only limits what the arrows produce.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace velmora {

class CSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit CSpinButton(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy);
    void SetRange(int low, int high);
    int minimum() const { return low_; }
    int maximum() const { return high_; }

    // One step up (+1) or down (-1). A number outside the range first moves to the
    // nearer end of it.
    void StepBy(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int low_ = 0;
    int high_ = 100;
};

}  // namespace velmora
