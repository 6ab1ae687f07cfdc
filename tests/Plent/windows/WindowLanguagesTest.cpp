// The German library gives each window exactly its design texts, without a
// single message box: the list window with a row of every status, the
// editor in both modes and the password dialog.
#include "ListWindowFixture.h"
#include "WindowTexts.h"

#include "Plent/windows/frmPassword.h"
#include "Plent/windows/frmPlent.h"

using namespace ListWindowFixtures;

namespace {

class WindowLanguages;

struct Window {
    const char* name;
    // Every text the window shows, opened with the library hMsg (-1: none).
    std::vector<QString> (WindowLanguages::*textsWith)(Platform::ModuleHandle hMsg);
    // One of them.
    QString designText;
};

class WindowLanguages : public ListWindowTest, public ::testing::WithParamInterface<Window> {
public:
    std::vector<QString> listWindow(Platform::ModuleHandle hMsg)
    {
        engine->Init(hMsg, 1000);
        engine->ShowEvents(0);
        const std::vector<QString> texts = WindowTexts::textsOf(window());
        window()->Unload();
        return texts;
    }
    std::vector<QString> editor(Platform::ModuleHandle hMsg)
    {
        std::vector<QString> texts;
        for (bool editable : {true, false}) {
            Plent::frmPlent form;
            form.Init(hMsg, 1100);
            form.SetEditable(editable);
            const std::vector<QString> shown = WindowTexts::textsOf(&form);
            texts.insert(texts.end(), shown.begin(), shown.end());
        }
        return texts;
    }
    std::vector<QString> passwordDialog(Platform::ModuleHandle hMsg)
    {
        Plent::frmPassword dialog;
        dialog.Init(hMsg, 1300);
        return WindowTexts::textsOf(&dialog);
    }

protected:
    std::vector<QString> textsWith(Platform::ModuleHandle hMsg) { return (this->*GetParam().textsWith)(hMsg); }
};

TEST_P(WindowLanguages, TheGermanLibraryGivesTheDesignTexts)
{
    for (int16_t s : {0, 1, 2, 3, 4, 7}) addEvent(*engine, "e" + std::to_string(s), at(2026, 5, 4, 10, 30), s);
    const std::vector<QString> design = textsWith(-1);
    const Plent::LanguageLibrary german = WindowTexts::libraryBeside("Pelmor.de.dll");
    ASSERT_GT(german.handle(), 0);
    const std::vector<QString> texts = textsWith(german.handle());
    EXPECT_EQ(texts, design);
    EXPECT_NE(std::find(texts.begin(), texts.end(), GetParam().designText), texts.end());
    EXPECT_TRUE(boxes.empty()) << boxes.front();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowLanguages,
    ::testing::Values(
        Window{"list_window", &WindowLanguages::listWindow, QStringLiteral("Anzeigen aller Events - Pelmor (Ausführung)")},
        Window{"editor", &WindowLanguages::editor, "Event anzeigen"},
        Window{"password_dialog", &WindowLanguages::passwordDialog,
               QStringLiteral("Es wird überprüft, ob Sie überhaupt berechtigt sind, diese Funktion durchzuführen.")}),
    [](const ::testing::TestParamInfo<Window>& info) { return std::string(info.param.name); });

} // namespace
