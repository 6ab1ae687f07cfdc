// The life of a window: showing modelessly and modally, hiding, and
// unloading through the query step by the user or by the program.
#include <gtest/gtest.h>

#include <QDialog>
#include <QMainWindow>
#include <QTimer>

#include <vector>

#include "Platform/ui/Form.h"
#include "RecordingForm.h"
#include "support/QtAppEnvironment.h"

using Platform::Form;
using Platform::ShowStyle;
using Platform::UnloadMode;

namespace {

using MainForm = RecordingForm<QMainWindow>;
using DialogForm = RecordingForm<QDialog>;

// Runs the action once the modal loop is running.
template <class Action>
void whileModal(Action action)
{
    QTimer::singleShot(0, action);
}

} // namespace

TEST(Form, TheUsersCloseAsksWhyAndMayBeRefused)
{
    MainForm form;
    form.Show();
    form.refuse = true;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.unloads, 0);

    form.refuse = false;
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(form.queries, (std::vector<UnloadMode>{UnloadMode::FormControlMenu, UnloadMode::FormControlMenu}));
}

TEST(Form, UnloadByTheProgramAsksWithItsOwnMode)
{
    MainForm form;
    form.Show();
    form.refuse = true;
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.isVisible());
    form.refuse = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Unload()) << "an unloaded window is not asked again";
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(form.queries, (std::vector<UnloadMode>{UnloadMode::FormCode, UnloadMode::FormCode}));
}

TEST(Form, ModalShowReturnsWhenTheWindowHides)
{
    DialogForm form;
    bool wasModal = false;
    whileModal([&] {
        wasModal = form.isVisible() && form.windowModality() == Qt::ApplicationModal;
        form.Hide();
    });
    form.Show(ShowStyle::Modal);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded()) << "hiding is no unloading";
    EXPECT_EQ(form.windowModality(), Qt::NonModal);

    // Shown again, the same window comes back.
    whileModal([&] { form.Hide(); });
    form.Show(ShowStyle::Modal);
    EXPECT_EQ(form.unloads, 0);
}

TEST(Form, ModalShowReturnsWhenTheUserClosesOrTheProgramUnloads)
{
    DialogForm refusing;
    refusing.refuse = true;
    refusing.hideWhenRefusing = true;
    whileModal([&] { refusing.close(); });
    refusing.Show(ShowStyle::Modal);
    EXPECT_TRUE(refusing.isLoaded());
    EXPECT_FALSE(refusing.isVisible());

    MainForm unloaded;
    whileModal([&] { unloaded.Unload(); });
    unloaded.Show(ShowStyle::Modal);
    EXPECT_FALSE(unloaded.isLoaded());
    EXPECT_EQ(unloaded.unloads, 1);
}

TEST(Form, ModalShowReturnsWhenTheWindowIsDeleted)
{
    auto* form = new MainForm;
    whileModal([&] { delete form; });
    form->Show(ShowStyle::Modal);
    SUCCEED();
}

TEST(Form, AModelessWindowShownModallyBecomesModal)
{
    MainForm form;
    form.Show();
    Qt::WindowModality during = Qt::NonModal;
    whileModal([&] {
        during = form.windowModality();
        form.Hide();
    });
    form.Show(ShowStyle::Modal);
    EXPECT_EQ(during, Qt::ApplicationModal);
}
