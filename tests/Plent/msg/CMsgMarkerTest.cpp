// Which markers the loader finds: the key "MsgNr" among the tokens of a
// control's Tag or a tool's Description.
#include <QLabel>
#include <QPushButton>

#include "MsgFixture.h"
#include "Platform/ui/UiProperties.h"

using Platform::UiProperties;

namespace {

struct MarkerCase {
    const char* tag;
    const char* caption;     // after SetOne
    const char* toolTip;     // after SetOne
    const char* messageBox;  // the one box shown, or "" for none
};

void PrintTo(const MarkerCase& c, std::ostream* os) { *os << '"' << c.tag << '"'; }

class Marker : public MsgFixture, public ::testing::WithParamInterface<MarkerCase> {};

} // namespace

TEST_P(Marker, DecidesWhetherAndWhichTextReplacesTheDesign)
{
    const MarkerCase& c = GetParam();
    QWidget window;
    auto* button = new QPushButton("Design", &window);
    button->setToolTip("design tip");
    UiProperties::setTag(button, c.tag);

    msg.SetOne(hMsg, button);

    EXPECT_EQ(button->text(), c.caption);
    EXPECT_EQ(button->toolTip(), c.toolTip);
    if (*c.messageBox) EXPECT_EQ(boxes, std::vector<std::string>{c.messageBox});
    else EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tags, Marker,
    ::testing::Values(MarkerCase{"MsgNr=1", "caption", "tip", ""},
                      MarkerCase{"msgnr=1", "caption", "tip", ""},
                      MarkerCase{"MSGNR=1", "caption", "tip", ""},
                      MarkerCase{"Foo=1 MsgNr=6", "other", "other tip", ""},
                      MarkerCase{"  MsgNr=6   Foo=1 ", "other", "other tip", ""},
                      MarkerCase{"MsgNr=1 MsgNr=6", "caption", "tip", ""},
                      MarkerCase{"MsgNr=6=7", "Design", "design tip", "Invalid MsgNr= in .Tag-Property"},
                      MarkerCase{"MsgNr=", "Design", "design tip", ""},
                      MarkerCase{"MsgNr= 1", "Design", "design tip", ""},
                      MarkerCase{"MsgNr= MsgNr=1", "Design", "design tip", ""},
                      MarkerCase{"MsgNr 1", "Design", "design tip", ""},
                      MarkerCase{"XMsgNr=1", "Design", "design tip", ""},
                      MarkerCase{"Foo=1", "Design", "design tip", ""},
                      MarkerCase{"", "Design", "design tip", ""},
                      MarkerCase{"MsgNr=x", "Design", "design tip", "Invalid MsgNr= in .Tag-Property"},
                      MarkerCase{"MsgNr=40000", "Design", "design tip", "Invalid MsgNr= in .Tag-Property"},
                      MarkerCase{"MsgNr=-40000", "Design", "design tip", "Invalid MsgNr= in .Tag-Property"},
                      MarkerCase{"MsgNr=+6", "other", "other tip", ""},
                      MarkerCase{"MsgNr=99", "Design", "design tip", "Message 1099 not found!"},
                      MarkerCase{"MsgNr=8", "Design", "design tip", "Message 1008 not found!"}));

TEST_F(MsgFixture, AnObjectWithoutTagStaysAsDesigned)
{
    QPushButton button("Design");
    msg.SetOne(hMsg, &button);
    EXPECT_EQ(button.text(), "Design");
    EXPECT_TRUE(boxes.empty());
}

// The tokenizer's state belongs to the instance and is shared by its
// lookups: one control's marker must not leak into the next.
TEST_F(MsgFixture, EachMarkerIsReadFromItsOwnStart)
{
    QWidget window;
    auto* first = new QLabel("one", &window);
    auto* second = new QLabel("two", &window);
    UiProperties::setTag(first, "Foo=1 Bar=2 MsgNr=1 Baz=3");
    UiProperties::setTag(second, "MsgNr=6");
    msg.SetOne(hMsg, first);
    msg.SetOne(hMsg, second);
    EXPECT_EQ(first->text(), "caption");
    EXPECT_EQ(second->text(), "other");
}
