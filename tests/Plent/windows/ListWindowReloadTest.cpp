// The runner's list window when the event file changes while it is open: it
// shows the file's events at once, and the selection lasts as long as its
// event is in the file.
#include <QTemporaryDir>

#include "ListWindowFixture.h"
#include "Plent/engine/RunnerSession.h"

using namespace ListWindowFixtures;

namespace {

class ListWindowReload : public ListWindowTest {
protected:
    void save(std::initializer_list<const char*> ids) const
    {
        CPlentEngine saved;
        for (const char* id : ids) addEvent(saved, id, at(2026, 5, 5, 9));
        saved.SaveObjects(file_);
    }

    QTemporaryDir dir_;
    std::string file_ = dir_.filePath("Pelmor.dat").toStdString();
    Plent::RunnerSession session_{*engine};
    std::vector<std::string> report_;
};

TEST_F(ListWindowReload, ShowsTheFilesEventsAndKeepsTheSelectionWhileItsEventIsThere)
{
    save({"a", "b"});
    session_.OpenEventFile(file_, report_);
    engine->ShowEvents(0);
    pressOn(1);
    ASSERT_EQ(window()->SelectedIdentifier(), "b");

    save({"b", "c", "d"});
    session_.FollowEventFile(report_);
    ASSERT_EQ(list().rowCount(), 3);
    EXPECT_EQ(row(2)[0], "d");
    EXPECT_EQ(window()->SelectedIdentifier(), "b");
    EXPECT_TRUE(tool("Edit").Enabled());

    save({"c"});
    session_.FollowEventFile(report_);
    EXPECT_EQ(list().rowCount(), 1);
    EXPECT_FALSE(tool("Edit").Enabled()) << "the selected event is gone";
    EXPECT_TRUE(report_.empty());
}

} // namespace
