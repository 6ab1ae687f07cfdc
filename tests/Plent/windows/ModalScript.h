#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace TestSupport {

// Drives modal windows from inside their own event loops: each step runs on
// the modal window that is active when it comes up, in order, one step per
// showing. Steps wait for a modal window a bounded number of turns of the
// event loop; a step that finds none fails the test.
class ModalScript {
public:
    using Step = std::function<void(QWidget* modal)>;

    ModalScript& then(Step step)
    {
        state_->steps.push_back(std::move(step));
        return *this;
    }

    // Call before the code that opens the first modal window.
    void start() { schedule(state_, 0); }

    bool done() const { return state_->steps.empty(); }

private:
    struct State {
        std::deque<Step> steps;
    };
    static constexpr int MaxTurns = 1000;

    static void schedule(std::shared_ptr<State> state, int turns)
    {
        QTimer::singleShot(0, [state, turns] { runNext(state, turns); });
    }

    static void runNext(const std::shared_ptr<State>& state, int turns)
    {
        if (state->steps.empty()) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (turns < MaxTurns) return schedule(state, turns + 1);
            ADD_FAILURE() << "no modal window came up for the next step";
            state->steps.clear();
            return;
        }
        Step step = std::move(state->steps.front());
        state->steps.pop_front();
        step(modal);
        if (!state->steps.empty()) schedule(state, 0);
    }

    std::shared_ptr<State> state_ = std::make_shared<State>();
};

} // namespace TestSupport
