#pragma once
// Answers the real modal dialogs a command opens through the main window. Each step runs
// on the next dialog that comes to the top of the modal stack and works it as a user
// would: controls are found by their id (their objectName), OK is control 1.
// A dialog that opens with no step left, or that its step leaves open, is cancelled and
// fails the test, so a missing or wrong step never hangs a run.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

namespace velmora::testing {

template <typename T>
T* DialogControl(QWidget& dialog, int id) {
    T* w = dialog.findChild<T*>(QString::number(id));
    EXPECT_NE(w, nullptr) << "control " << id << " of " << dialog.property("templateId").toInt();
    return w;
}

inline void SetText(QWidget& dialog, int id, const QString& text) {
    if (auto* edit = DialogControl<QLineEdit>(dialog, id)) edit->setText(text);
}
inline void SetRow(QWidget& dialog, int id, int row) {
    if (auto* list = DialogControl<QComboBox>(dialog, id)) list->setCurrentIndex(row);
}
// Clicks the box when it is not yet as wanted, so the dialog sees a user's click.
inline void SetChecked(QWidget& dialog, int id, bool on) {
    auto* box = DialogControl<QAbstractButton>(dialog, id);
    if (box && box->isChecked() != on) box->click();
}
inline void Click(QWidget& dialog, int id) {
    if (auto* button = DialogControl<QAbstractButton>(dialog, id)) button->click();
}
inline void ClickOk(QWidget& dialog) {
    Click(dialog, 1);
}
inline void ClickCancel(QWidget& dialog) {
    Click(dialog, 2);
}

class ModalDriver {
public:
    using Step = std::function<void(QDialog&)>;

    ModalDriver() : state_(std::make_shared<State>()) { Poll(state_); }
    ~ModalDriver() {
        state_->stopped = true;
        EXPECT_TRUE(state_->steps.empty()) << state_->steps.size() << " dialog step(s) not run";
    }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // The next dialog to come up; `template_id` is checked against its templateId
    // (0: any dialog, for the toolkit's own such as the print dialog).
    ModalDriver& Then(int template_id, Step step) {
        state_->steps.push_back({template_id, std::move(step)});
        return *this;
    }
    // Dialogs a step has run on so far.
    int handled() const { return state_->handled; }

private:
    struct Pending {
        int template_id;
        Step step;
    };
    struct State {
        std::deque<Pending> steps;
        QPointer<QWidget> last;
        int handled = 0;
        int idle_polls = 0;
        bool stopped = false;
    };

    static void Poll(const std::shared_ptr<State>& state) {
        QTimer::singleShot(5, [state] {
            if (state->stopped) return;
            // The next look is booked first: a step may open a dialog whose modal loop
            // runs inside the step.
            Poll(state);
            auto* top = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!top || !top->isVisible()) {
                state->idle_polls = 0;
                return;
            }
            if (top == state->last) {
                // A step that left its dialog open (a refusal it did not expect) would
                // hang the run: close it.
                if (++state->idle_polls < 100) return;
                ADD_FAILURE() << "dialog left open by its step: "
                              << top->windowTitle().toStdString();
                state->idle_polls = 0;
                top->reject();
                return;
            }
            if (state->steps.empty()) {
                // Give a step booked a moment later the chance to claim it.
                if (++state->idle_polls < 40) return;
                ADD_FAILURE() << "unexpected dialog " << top->windowTitle().toStdString();
                state->last = top;
                top->reject();
                return;
            }
            state->idle_polls = 0;
            Pending next = std::move(state->steps.front());
            state->steps.pop_front();
            state->last = top;
            ++state->handled;
            if (next.template_id) {
                EXPECT_EQ(top->property("templateId").toInt(), next.template_id)
                    << top->windowTitle().toStdString();
            }
            next.step(*top);
        });
    }

    std::shared_ptr<State> state_;
};

}  // namespace velmora::testing
