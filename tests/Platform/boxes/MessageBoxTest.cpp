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
    void present(const std::string& text, const std::string& title) override { shown.push_back(title + ": " + text); }

    bool screen = true;
    std::vector<std::string> shown;
};

class MessageBoxSeam : public ::testing::Test {
protected:
    void TearDown() override
    {
        MessageBox::setHandler({});
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
    EXPECT_EQ(handled, std::vector<std::string>{"Kalvor: first"});
    EXPECT_EQ(presenter.shown, std::vector<std::string>{"title: second"});
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
