// The message box seam without the window toolkit: who gets a text, a
// handler, the installed presenter or standard error, and that nothing opens
// once the program is ending.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform/boxes/MessageBox.h"

using Platform::MessageBox;

namespace {

class RecordingPresenter : public MessageBox::Presenter {
public:
    bool canPresent() const override { return screen; }
    void present(const std::string& text, const std::string& title, MessageBox::Icon icon) override
    {
        shown.push_back(title + ": " + text + (icon == MessageBox::Icon::Error ? " (error)" : ""));
    }
    int ask(const std::string& text, const std::string& title, const std::vector<std::string>& buttons, int) override
    {
        shown.push_back(title + ": " + text + " " + std::to_string(buttons.size()));
        return answer;
    }

    int answer = 0;

    bool screen = true;
    std::vector<std::string> shown;
};

class MessageBoxSeam : public ::testing::Test {
protected:
    void TearDown() override
    {
        MessageBox::setHandler({});
        MessageBox::setAsker({});
        MessageBox::setPresenter(nullptr);
        MessageBox::setEnding(false);
    }

    static std::string standardErrorOf(const std::string& text, const std::string& title)
    {
        testing::internal::CaptureStderr();
        MessageBox::show(text, title);
        return testing::internal::GetCapturedStderr();
    }

    std::vector<std::string> handled;
    MessageBox::Handler recorder = [this](const std::string& text, const std::string& title) {
        handled.push_back(title + ": " + text);
    };
    RecordingPresenter presenter;
};

} // namespace

TEST_F(MessageBoxSeam, WithoutHandlerOrPresenterTheTextGoesToStandardError)
{
    EXPECT_FALSE(MessageBox::opensBoxes());
    EXPECT_EQ(standardErrorOf("text", "title"), "title: text\n");
}

TEST_F(MessageBoxSeam, AHandlerTakesEveryTextBeforeThePresenterUntilItIsTakenAway)
{
    MessageBox::setPresenter(&presenter);
    EXPECT_FALSE(MessageBox::setHandler(recorder)) << "no handler was in place";
    EXPECT_TRUE(MessageBox::opensBoxes());
    MessageBox::show("first");
    const MessageBox::Handler previous = MessageBox::setHandler({});
    ASSERT_TRUE(previous);
    MessageBox::show("second", "title");
    MessageBox::showError("failed", "title");
    EXPECT_EQ(handled, std::vector<std::string>{"Kalvor: first"});
    EXPECT_EQ(presenter.shown, (std::vector<std::string>{"title: second", "title: failed (error)"}));
}

TEST_F(MessageBoxSeam, APresenterWithoutAScreenLeavesTheTextToStandardError)
{
    presenter.screen = false;
    MessageBox::setPresenter(&presenter);
    EXPECT_FALSE(MessageBox::opensBoxes());
    EXPECT_EQ(standardErrorOf("text", "title"), "title: text\n");
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(MessageBoxSeam, OnceTheProgramIsEndingNoBoxOpensUntilItGoesOnAgain)
{
    MessageBox::setPresenter(&presenter);
    MessageBox::setHandler(recorder);
    MessageBox::setEnding(true);
    EXPECT_FALSE(MessageBox::opensBoxes());
    EXPECT_EQ(standardErrorOf("text", "title"), "title: text\n") << "past the handler, and not lost";
    MessageBox::setHandler({});
    EXPECT_EQ(standardErrorOf("again", "title"), "title: again\n") << "past the presenter";
    EXPECT_TRUE(handled.empty());
    EXPECT_TRUE(presenter.shown.empty());

    MessageBox::setEnding(false);
    EXPECT_TRUE(MessageBox::opensBoxes());
    MessageBox::show("after", "title");
    EXPECT_EQ(presenter.shown, std::vector<std::string>{"title: after"});
}

// A question goes to the asker, else to the presenter; where neither can
// answer it gets the escape button, and its text is not lost.
TEST_F(MessageBoxSeam, AQuestionIsAnsweredByTheAskerThePresenterOrItsEscapeButton)
{
    const std::vector<std::string> buttons{"Save", "Discard", "Cancel"};
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBox::ask("save?", buttons, 2, "title"), 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "title: save?\n");

    MessageBox::setPresenter(&presenter);
    presenter.answer = 1;
    EXPECT_EQ(MessageBox::ask("save?", buttons, 2, "title"), 1);
    EXPECT_EQ(presenter.shown, std::vector<std::string>{"title: save? 3"});

    std::vector<std::string> asked;
    MessageBox::setAsker([&](const std::string& text, const std::vector<std::string>& b) {
        asked.push_back(text + " " + b.front());
        return 0;
    });
    EXPECT_EQ(MessageBox::ask("save?", buttons, 2), 0);
    EXPECT_EQ(asked, std::vector<std::string>{"save? Save"});
    MessageBox::setEnding(true);
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBox::ask("late?", buttons, 2, "title"), 2) << "no question once the program ends";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "title: late?\n");
}
