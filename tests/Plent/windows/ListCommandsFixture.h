#pragma once
// The list window's commands as a user runs them: clicks on the toolbars,
// in the drop-down menus and in the context menu, with the editor and the
// password dialog driven while they are shown modally.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>

#include "ListWindowFixture.h"
#include "ModalScript.h"
#include "Plent/scheduling/SchedulingFixtures.h"
#include "Plent/windows/frmPassword.h"
#include "Plent/windows/frmPlent.h"

namespace ListWindowFixtures {

enum class Place { Toolbar, Menu, ContextMenu };

inline void PrintTo(Place place, std::ostream* os)
{
    *os << (place == Place::Toolbar ? "toolbar" : place == Place::Menu ? "menu" : "context menu");
}

inline bool isFileTool(const std::string& tool) { return tool == "Open" || tool == "Save" || tool == "Exit"; }

// Steps for the modal windows.
inline void typeInto(QWidget* modal, const char* box, const QString& text)
{
    auto* entry = modal->findChild<QLineEdit*>(box);
    ASSERT_NE(entry, nullptr) << box;
    entry->setFocus();
    entry->selectAll();
    if (text.isEmpty()) QTest::keyClick(entry, Qt::Key_Delete);
    else QTest::keyClicks(entry, text);
}
inline void press(QWidget* modal, const char* button)
{
    auto* b = modal->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}
inline TestSupport::ModalScript::Step enterPassword(const QString& entry)
{
    return [entry](QWidget* modal) {
        ASSERT_NE(qobject_cast<Plent::frmPassword*>(modal), nullptr) << "the password dialog";
        typeInto(modal, "txtPassword", entry);
        press(modal, "cmdOK");
    };
}
inline TestSupport::ModalScript::Step cancelPassword()
{
    return [](QWidget* modal) {
        ASSERT_NE(qobject_cast<Plent::frmPassword*>(modal), nullptr) << "the password dialog";
        press(modal, "cmdCancel");
    };
}
// The editor in add mode: a new event that runs once, at the editor's
// default start.
inline TestSupport::ModalScript::Step typeNewEvent(const QString& id)
{
    return [id](QWidget* modal) {
        ASSERT_NE(qobject_cast<Plent::frmPlent*>(modal), nullptr) << "the editor";
        typeInto(modal, "txtIdentifier", id);
        typeInto(modal, "txtParameter", "run " + id);
        press(modal, "cmdOK");
    };
}
inline TestSupport::ModalScript::Step confirmEditor()
{
    return [](QWidget* modal) {
        ASSERT_NE(qobject_cast<Plent::frmPlent*>(modal), nullptr) << "the editor";
        press(modal, "cmdOK");
    };
}

class ListCommandsTest : public ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        ASSERT_TRUE(files.isValid());
    }
    void TearDown() override
    {
        closePopups();
        ListWindowTest::TearDown();
    }

    void show(bool editAllowed = true, const std::string& password = "")
    {
        engine->ShowEvents(0, editAllowed, eventFile(), password);
        ASSERT_NE(window(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    }
    std::string eventFile() const { return files.filePath("events.dat").toStdString(); }

    int rowOf(const std::string& id) const
    {
        for (int r = 0; r < list().rowCount(); ++r)
            if (list().text(r).toStdString() == id) return r;
        return -1;
    }
    void select(const std::string& id) { pressOn(rowOf(id)); }

    // A click on the tool's copy in a toolbar, or on its entry in the
    // drop-down menu opened from the menu bar, or in the context menu
    // opened by a right click on the row of the selected event.
    void click(Place place, const std::string& tool)
    {
        switch (place) {
        case Place::Toolbar: return clickInToolbar(tool);
        case Place::Menu: return clickInMenu(tool);
        case Place::ContextMenu: return clickInContextMenu(tool);
        }
    }

    void clickInToolbar(const std::string& tool)
    {
        Platform::ActiveBarBand* band = bar().Band(isFileTool(tool) ? "Toolbar" : "Toolbar-Datensätze");
        auto* toolBar = qobject_cast<QToolBar*>(band->widget());
        QWidget* button = toolBar->widgetForAction(band->Tool(QString::fromStdString(tool))->action());
        ASSERT_NE(button, nullptr) << tool;
        ASSERT_TRUE(button->isVisible()) << tool;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void clickInMenu(const std::string& tool)
    {
        const bool file = isFileTool(tool);
        QMenuBar* menuBar = window()->menuBar();
        QAction* title = bar().Band("Haupt-Menü")->Tool(file ? "mnuFile" : "mnuDataRec")->action();
        QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(title).center());
        clickInOpenMenu(file ? "Datei-Menü" : "Datensätze-Menü", tool);
    }

    void clickInContextMenu(const std::string& tool)
    {
        pressOn(rowOf(window()->SelectedIdentifier()), Qt::RightButton);
        clickInOpenMenu("Datensätze-Menü", tool);
    }

    void clickInOpenMenu(const char* bandName, const std::string& tool)
    {
        Platform::ActiveBarBand* band = bar().Band(bandName);
        QMenu* menu = band->menu();
        ASSERT_TRUE(menu->isVisible()) << bandName;
        QAction* action = band->Tool(QString::fromStdString(tool))->action();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }

    static void closePopups()
    {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }

    std::vector<std::string> identifiers() const
    {
        return SchedulingFixtures::identifiersOf(std::as_const(*engine).Plents());
    }
    std::vector<std::string> rows() const
    {
        std::vector<std::string> ids;
        for (int r = 0; r < list().rowCount(); ++r) ids.push_back(list().text(r).toStdString());
        return ids;
    }

    QTemporaryDir files;
    TestSupport::ModalScript script;
};

} // namespace ListWindowFixtures
