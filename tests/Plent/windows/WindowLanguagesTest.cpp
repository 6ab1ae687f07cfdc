// The German library gives each window exactly its design texts, without a
// single message box: the list window with a row of every status, the
// editor in both modes and the password dialog.
#include "ListWindowFixture.h"
#include "WindowTexts.h"

#include <array>

#include "Plent/windows/frmPassword.h"
#include "Plent/windows/frmPlent.h"

using namespace ListWindowFixtures;

namespace {

// Every text of one window, opened with the library hMsg (-1: none).
using TextsWith = std::vector<QString> (*)(CPlentEngine& engine, Platform::ModuleHandle hMsg);

std::vector<QString> listWindow(CPlentEngine& engine, Platform::ModuleHandle hMsg)
{
    engine.Init(hMsg, 1000);
    engine.ShowEvents(0);
    frmShowPlents* window = static_cast<Plent::ListWindowObject*>(engine.objShowEvents().get())->window();
    const std::vector<QString> texts = WindowTexts::textsOf(window);
    window->Unload();
    return texts;
}

std::vector<QString> editor(CPlentEngine&, Platform::ModuleHandle hMsg)
{
    std::vector<QString> texts;
    for (bool editable : {true, false}) {
        Plent::frmPlent form;
        form.Init(hMsg, 1100);
        form.SetEditable(editable);
        for (const QString& text : WindowTexts::textsOf(&form)) texts.push_back(text);
    }
    return texts;
}

std::vector<QString> passwordDialog(CPlentEngine&, Platform::ModuleHandle hMsg)
{
    Plent::frmPassword dialog;
    dialog.Init(hMsg, 1300);
    return WindowTexts::textsOf(&dialog);
}

class WindowLanguages : public ListWindowTest, public ::testing::WithParamInterface<TextsWith> {};

TEST_P(WindowLanguages, TheGermanLibraryGivesTheDesignTexts)
{
    for (int16_t s : {0, 1, 2, 3, 4, 7}) addEvent(*engine, "e" + std::to_string(s), at(2026, 5, 4, 10, 30), s);
    const std::vector<QString> design = GetParam()(*engine, -1);
    const Plent::LanguageLibrary german = WindowTexts::libraryBeside("Pelmor.de.dll");
    ASSERT_GT(german.handle(), 0);
    EXPECT_EQ(GetParam()(*engine, german.handle()), design);
    EXPECT_TRUE(boxes.empty()) << boxes.front();
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLanguages, ::testing::Values(listWindow, editor, passwordDialog),
                         [](const auto& info) { return std::string(std::array{"list", "editor", "password"}[info.index]); });

} // namespace
