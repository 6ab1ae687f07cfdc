// What the list window shows: its design texts, the library's texts, the
// rows with their dates and status texts, and where the list sits.
#include "ListWindowFixture.h"
#include "WindowTexts.h"

#include <QHeaderView>
#include <QMenuBar>

#include "Plent/windows/ListColumnWidths.h"
#include "Platform/ui/Twips.h"
#include "Platform/ui/UiProperties.h"

using namespace ListWindowFixtures;
using Platform::Twips;

namespace {

class ListWindowTexts : public ListWindowTest {
protected:
    void fillWithStatuses()
    {
        for (int16_t s : {0, 1, 2, 3, 4, 7}) addEvent(*engine, "e" + std::to_string(s), at(2026, 5, 4, 10, 30), s);
    }
    std::vector<QString> statusColumn() const
    {
        std::vector<QString> texts;
        for (int r = 0; r < list().rowCount(); ++r) texts.push_back(list().subItem(r, 4));
        return texts;
    }
};

TEST_F(ListWindowTexts, WithoutALibraryTheGermanDesignTextsStay)
{
    fillWithStatuses();
    engine->ShowEvents(0);
    EXPECT_EQ(window()->windowTitle(), "Anzeigen aller Events - Pelmor (Ausführung)");
    EXPECT_EQ(Platform::UiProperties::read(window(), "Tag"), "MsgNr=0");
    EXPECT_EQ(headers(), (std::vector<QString>{"Identifizierung", "Beschreibung", "nächster Start", "letzter Start",
                                               "letzter Status", "letztes Ergebnis"}));
    EXPECT_EQ(statusColumn(), (std::vector<QString>{"noch offen", "durchgeführt", "als durchgeführt betrachtet",
                                                    "Alarm", "angehalten", "status [7] unknown!"}));
    EXPECT_EQ(bar().Band("Datei-Menü")->Tool("Open")->Caption(), "Ö&ffnen");
    EXPECT_EQ(bar().Band("Datei-Menü")->Tool("Open")->ToolTipText(), "Datei öffnen");
    EXPECT_EQ(bar().Band("Haupt-Menü")->Tool("mnuDataRec")->Caption(), "Daten&sätze");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ListWindowTexts, TheLanguageLibraryGivesTheEnglishTexts)
{
    const Plent::LanguageLibrary english = WindowTexts::libraryBeside("Pelmor.dll");
    ASSERT_GT(english.handle(), 0);
    engine->Init(english.handle(), 1000);
    fillWithStatuses();
    engine->ShowEvents(0);
    EXPECT_EQ(window()->windowTitle(), "Display all events - Pelmor runner");
    EXPECT_EQ(headers(), (std::vector<QString>{"identifier", "description", "next start", "last start", "last status",
                                               "last result"}));
    EXPECT_EQ(statusColumn(), (std::vector<QString>{"still open", "done", "seen as done", "alarm", "stopped",
                                                    "status [7] unknown!"}));
    for (const char* band : {"Datensätze-Menü", "Toolbar-Datensätze"}) {
        EXPECT_EQ(bar().Band(band)->Tool("Stop")->Caption(), "deactivate");
        EXPECT_EQ(bar().Band(band)->Tool("Stop")->ToolTipText(), "deactivate one event");
    }
    EXPECT_EQ(bar().Band("Toolbar")->Tool("Exit")->Caption(), "exit");
    EXPECT_EQ(bar().Band("Haupt-Menü")->Tool("mnuFile")->Caption(), "&File");
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    window()->Unload();
}

TEST_F(ListWindowTexts, TheBandsHoldTheirToolsInDesignOrder)
{
    engine->ShowEvents(0);
    auto names = [&](const char* band) {
        std::vector<QString> tools;
        for (auto* t : bar().Band(band)->Tools()) tools.push_back(t->Name());
        return tools;
    };
    const std::vector<QString> records{"Edit", "Show", "Add", "Del", "Stop", "Go", "History", "StartNow"};
    EXPECT_EQ(names("Haupt-Menü"), (std::vector<QString>{"mnuFile", "mnuDataRec"}));
    EXPECT_EQ(names("Datei-Menü"), (std::vector<QString>{"Open", "Save", "Exit"}));
    EXPECT_EQ(names("Toolbar"), (std::vector<QString>{"Exit", "Open", "Save"}));
    EXPECT_EQ(names("Datensätze-Menü"), records);
    EXPECT_EQ(names("Toolbar-Datensätze"), records);
    std::vector<QString> global;
    for (auto* t : bar().Tools()) global.push_back(t->Name());
    EXPECT_EQ(global, (std::vector<QString>{"StartNow", "History", "Go", "Stop", "Del", "Add", "Show", "Edit", "Exit",
                                            "Save", "Open"}));
    EXPECT_EQ(bar().Band("Toolbar-Datensätze")->Tool("Go")->Description(), "MsgNr=11");
    EXPECT_EQ(bar().Band("Haupt-Menü")->Tool("mnuDataRec")->Description(), "MsgNr=24");
}

TEST_F(ListWindowTexts, RowsFollowTheCollectionWithDatesInTheGeneralForm)
{
    auto ran = addEvent(*engine, "ran", at(2026, 5, 5, 10, 30));
    ran->setLastStart(at(2026, 5, 4, 0, 0).toDate());
    auto once = addEvent(*engine, "atStart", at(2026, 1, 1));
    once->setNextStart(0);
    engine->Plents().Add(CPlentEngine::NewPlent(), "first", "ran");
    engine->ShowEvents(0);
    ASSERT_EQ(list().rowCount(), 3);
    EXPECT_EQ(row(0), (std::vector<QString>{"first", "", "", "", "noch offen"})) << "dates not set show nothing";
    EXPECT_EQ(row(1), (std::vector<QString>{"ran", "about ran", "05.05.2026 10:30:00", "04.05.2026", "noch offen"}));
    EXPECT_EQ(row(2), (std::vector<QString>{"atStart", "about atStart", "", "", "noch offen"}));
    EXPECT_EQ(once->NextStart(), 0) << "the stored value stays";

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    window()->FillList();
    EXPECT_EQ(list().subItem(1, 2), "5/5/2026 10:30:00 AM");
    EXPECT_EQ(list().subItem(1, 3), "5/4/2026");
}

// Each cell's text, margins included, fits its column.
class ListWindowColumns : public ListWindowTexts, public ::testing::WithParamInterface<const char*> {
protected:
    int needed(int column) const { return static_cast<const QAbstractItemView&>(list()).sizeHintForColumn(column); }
};

TEST_P(ListWindowColumns, FitIdentifiersDatesAndStatusesWhenFirstFilled)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
    auto late = addEvent(*engine, "nightly-backup-of-the-photos", at(2026, 12, 28, 22, 58, 58), 2);
    late->setLastStart(at(2026, 11, 27, 23, 57, 57).toDate());
    addEvent(*engine, "e", at(2026, 5, 4, 10, 30), 7);
    engine->ShowEvents(0);
    for (int column : {0, 2, 3, 4}) {
        const int width = list().columnWidth(column);
        EXPECT_LE(needed(column), width) << "column " << column;
    }
    // Any status text fits, also those no event has now.
    const int longestStatus = list().fontMetrics().horizontalAdvance("als durchgeführt betrachtet");
    EXPECT_LT(longestStatus, list().columnWidth(4));
    // The window widens for them, so that the last column shows as well.
    QCoreApplication::processEvents();
    const int last = list().columnCount() - 1;
    EXPECT_LE(list().header()->sectionViewportPosition(last) + needed(last), list().viewport()->width());
}

TEST_P(ListWindowColumns, CapALongIdentifierAndKeepWhatTheUserSets)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
    addEvent(*engine, std::string(200, 'x'), at(2026, 5, 4, 10, 30));
    engine->ShowEvents(0);
    const int cap = list().fontMetrics().averageCharWidth() * Plent::ListColumnWidths::IdentifierCap;
    EXPECT_EQ(list().columnWidth(0), cap);
    EXPECT_EQ(list().header()->sectionResizeMode(2), QHeaderView::Interactive);

    list().setColumnWidth(2, 30); // the user narrows it
    addEvent(*engine, "later", at(2026, 5, 4, 10, 30));
    window()->FillList();
    EXPECT_EQ(list().columnWidth(2), 30);
}

INSTANTIATE_TEST_SUITE_P(Locales, ListWindowColumns, ::testing::Values("C", "en_US", "de_DE"));

TEST_F(ListWindowTexts, AnEmptyCollectionGivesSixHeadersAndNoRows)
{
    engine->ShowEvents(0);
    EXPECT_EQ(list().columnCount(), 6);
    EXPECT_EQ(list().rowCount(), 0);
}

TEST_F(ListWindowTexts, TheWindowOpensAtLeastAtItsDesignWidthTallEnoughForTwelveRows)
{
    for (int i = 0; i < 14; ++i) addEvent(*engine, "e" + std::to_string(i), at(2026, 5, 5, 9));
    engine->ShowEvents(0);
    frmShowPlents& w = *window();
    EXPECT_GE(w.width(), Twips::toPixels(frmShowPlents::WindowWidth));
    EXPECT_GE(list().viewport()->height(), 12 * list().sizeHintForRow(0));
    const QWidget* free = w.centralWidget();
    EXPECT_GT(free->y(), w.menuBar()->y()) << "below the menu bar and the toolbars";
    const int top = Twips::toPixels(frmShowPlents::ListTop), side = Twips::toPixels(frmShowPlents::ListLeft);
    auto expectListInside = [&] {
        EXPECT_EQ(list().geometry(), QRect(side, top, free->width() - 2 * side, free->height() - top - side));
    };
    expectListInside();
    w.resize(900, 500);
    QCoreApplication::processEvents();
    expectListInside();
    const int last = list().columnCount() - 1;
    EXPECT_EQ(list().header()->sectionViewportPosition(last) + list().columnWidth(last), list().viewport()->width())
        << "the last column takes the room of a widened window";

    const QRect before = list().geometry();
    w.setMinimumSize(0, 0);
    w.centralWidget()->setMinimumSize(0, 0);
    w.centralWidget()->resize(6, 6);
    EXPECT_EQ(list().size(), before.size()) << "negative sizes leave the list as it was";
}

} // namespace
