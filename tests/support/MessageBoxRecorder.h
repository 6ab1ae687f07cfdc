#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Platform/boxes/MessageBox.h"

namespace TestSupport {

// Records the text of every message box and question shown while it lives,
// in place of the box, and puts the previous handlers back afterwards. A
// question takes the next of answers, or its last button when none is left;
// whenShown, when set, runs after a box has been recorded, as while it is up.
class MessageBoxRecorder {
public:
    MessageBoxRecorder()
    {
        previous_ = Platform::MessageBox::setHandler([this](const std::string& text, const std::string&) {
            texts.push_back(text);
            if (whenShown) whenShown();
        });
        previousAsker_ = Platform::MessageBox::setAsker([this](const std::string& text, const std::vector<std::string>& buttons) {
            questions.push_back(text);
            if (answers.empty()) return static_cast<int>(buttons.size()) - 1;
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
    }
    ~MessageBoxRecorder()
    {
        Platform::MessageBox::setHandler(std::move(previous_));
        Platform::MessageBox::setAsker(std::move(previousAsker_));
    }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<std::string> texts;
    std::vector<std::string> questions;
    std::vector<int> answers;
    std::function<void()> whenShown;

private:
    Platform::MessageBox::Handler previous_;
    Platform::MessageBox::Asker previousAsker_;
};

} // namespace TestSupport
