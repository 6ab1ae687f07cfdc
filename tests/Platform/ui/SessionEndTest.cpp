// The end of the program: every window closes as the system closes it,
// nested modal windows and message boxes included, nothing refuses, and
// nothing opens afterwards.
#include <gtest/gtest.h>

#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <string>
#include <vector>

#include "Platform/ui/Form.h"
#include "Platform/boxes/MessageBox.h"
#include "Platform/ui/SessionEnd.h"
#include "RecordingForm.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtAppEnvironment.h"
#include "support/SessionEndReset.h"

using Platform::Form;
using Platform::SessionEnd;
using Platform::ShowStyle;
using Platform::UnloadMode;

namespace {

// Refuses every close it is asked about.
template <class Base>
struct StubbornForm : RecordingForm<Base> {
    StubbornForm() { this->refuse = true; }
};

class SessionEndTest : public ::testing::Test {
    TestSupport::SessionEndReset sessionEnd_;
};

} // namespace

TEST_F(SessionEndTest, ClosesNestedModalWindowsAndABoxWhateverTheyAnswer)
{
    StubbornForm<QMainWindow> main;
    StubbornForm<QDialog> outer, inner;
    main.Show();
    bool boxReturned = false, innerReturned = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [] { SessionEnd::begin(); });
            // A real box, as the message box seam opens one.
            QMessageBox::information(&inner, "title", "text", QMessageBox::Ok);
            boxReturned = true;
        });
        inner.Show(ShowStyle::Modal);
        innerReturned = true;
    });
    bool stuck = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.callOnTimeout([&] {
        stuck = true;
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    });
    watchdog.start(5000);
    outer.Show(ShowStyle::Modal);

    EXPECT_FALSE(stuck) << "a modal loop went on after the end began";
    EXPECT_TRUE(boxReturned);
    EXPECT_TRUE(innerReturned);
    for (const StubbornForm<QDialog>* dialog : {&outer, &inner}) {
        EXPECT_FALSE(dialog->isLoaded());
        EXPECT_EQ(dialog->queries, std::vector<UnloadMode>{UnloadMode::AppWindows});
        EXPECT_EQ(dialog->unloads, 1);
    }
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(main.isLoaded());
    EXPECT_EQ(main.queries, std::vector<UnloadMode>{UnloadMode::AppWindows});
}

TEST_F(SessionEndTest, AWindowShownAfterwardsUnloadsAtOnce)
{
    SessionEnd::begin();
    StubbornForm<QDialog> dialog;
    dialog.Show(ShowStyle::Modal); // would wait for ever if it opened
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(dialog.queries, std::vector<UnloadMode>{UnloadMode::AppWindows});

    StubbornForm<QMainWindow> window;
    window.Show();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.unloads, 1);
}

TEST_F(SessionEndTest, TheUsersCloseStaysTheUsersUntilTheEndBegins)
{
    StubbornForm<QMainWindow> window;
    window.Show();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isLoaded());
    SessionEnd::begin();
    EXPECT_FALSE(window.isLoaded());
    EXPECT_EQ(window.queries, (std::vector<UnloadMode>{UnloadMode::FormControlMenu, UnloadMode::AppWindows}));
}

TEST_F(SessionEndTest, NoMessageBoxOpensOnceTheEndHasBegun)
{
    TestSupport::MessageBoxRecorder shown;
    EXPECT_TRUE(Platform::MessageBox::opensBoxes());
    Platform::MessageBox::show("before");
    SessionEnd::begin();
    EXPECT_FALSE(Platform::MessageBox::opensBoxes());
    testing::internal::CaptureStderr();
    Platform::MessageBox::show("after", "title");
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(shown.texts, std::vector<std::string>{"before"});
    EXPECT_EQ(written, "title: after\n") << "the text is not lost";
}
