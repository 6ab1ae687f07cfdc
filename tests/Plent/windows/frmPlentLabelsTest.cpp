// Every label, check box and option button of the editor shows its whole
// text, with the design's German texts and with both language libraries, in
// the locales users run it in, without covering another control; the design
// holds where the texts fit.
#include "EditorFixture.h"
#include "WindowTexts.h"

#include "Platform/ui/Twips.h"

using Platform::Twips;

namespace {

class frmPlentLabels : public EditorFixture {
protected:

    // A fresh window captioned from the library (-1: none), shown.
    void openWith(Platform::ModuleHandle library)
    {
        form = std::make_unique<ProbedEditor>();
        form->Init(library, 1100);
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Whole text, inside its container, clear of every other control there.
    void expectWhole(QWidget* shown, const std::string& context) const
    {
        const std::string name =
            shown->objectName().toStdString() + " \"" + captionOf(shown).toStdString() + "\" " + context;
        EXPECT_LE(shown->sizeHint().width(), shown->width()) << name;
        EXPECT_LE(shown->sizeHint().height(), shown->height()) << name;
        EXPECT_TRUE(shown->parentWidget()->rect().contains(shown->geometry())) << name;
        for (QWidget* other : shown->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == shown) continue;
            EXPECT_FALSE(shown->geometry().intersects(other->geometry()))
                << name << " covers " << other->objectName().toStdString();
        }
    }

    static QString captionOf(QWidget* control)
    {
        if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
        return static_cast<QAbstractButton*>(control)->text();
    }

    // Labels, check boxes and option buttons.
    void expectEveryCaptionWhole(const std::string& context) const
    {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
                expectWhole(w, context);
        }
    }

    // Freed after the fixture's TearDown has closed the window.
    const Plent::LanguageLibrary german_ = WindowTexts::libraryBeside("Pelmor.de.dll");
    const Plent::LanguageLibrary english_ = WindowTexts::libraryBeside("Pelmor.dll");
};

} // namespace

TEST_F(frmPlentLabels, EveryCaptionShowsItsWholeTextInEveryLanguageAndLocale)
{
    const std::vector<std::pair<std::string, Platform::ModuleHandle>> languages{
        {"design", -1}, {"German library", german_.handle()}, {"English library", english_.handle()}};
    for (const char* locale : {"C", "en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        for (const auto& [language, library] : languages) {
            ASSERT_NE(library, 0) << language;
            openWith(library);
            const std::string context = language + " in " + locale;
            expectEveryCaptionWhole(context);
            // The repetition's name beside the count changes with the mode.
            for (int mode = 2; mode <= 7; ++mode) {
                chooseMode(mode);
                expectWhole(control<QLabel>("lblRetry2"), context);
            }
        }
    }
    EXPECT_TRUE(boxes.empty()) << boxes.front();
}

// The German texts of the first start row need more room than the design
// gives; the fields move with their labels and the delay frame with them.
TEST_F(frmPlentLabels, FieldsStayBesideTheirLabelsWhenTheLabelsGrow)
{
    for (const char* field : {"txtIdentifier", "txtParameter", "txtDescription"})
        EXPECT_EQ(box(field)->x(), box("txtIdentifier")->x()) << field;
    for (const char* label : {"lblIdentifier", "lblParameter", "lblDescription"})
        EXPECT_EQ(control(label)->geometry().right(), control("lblIdentifier")->geometry().right()) << label;
    const auto gap = [this](const char* label, const char* field) {
        return control(field)->x() - control(label)->geometry().right() - 1;
    };
    EXPECT_EQ(gap("lblIdentifier", "txtIdentifier"), Twips::toPixels(1185) - Twips::toPixels(1140));
    EXPECT_EQ(gap("lblFirstStartDate", "txtFirstStartDate"), Twips::toPixels(1935) - Twips::toPixels(1845));
    EXPECT_EQ(gap("lblFirstStartHour", "txtFirstStartHour"), Twips::toPixels(1950) - Twips::toPixels(1875));
    EXPECT_EQ(gap("lblDelay", "txtDelay"), Twips::toPixels(2460) - Twips::toPixels(2355));
    EXPECT_LT(box("txtFirstStartDate")->geometry().right(), control("fraDelay")->x());
    // The two frames of the tab stay flush, and the buttons in the window's corner.
    EXPECT_EQ(control("fraIdentifier")->geometry().right(), control("lblStartProperties")->geometry().right());
    const int designMargin = Twips::toPixels(7455) - Twips::toPixels(7395);
    EXPECT_GT(form->width(), Twips::toPixels(7455));
    for (QWidget* w : {control("cmdCancel"), static_cast<QWidget*>(tabs())})
        EXPECT_EQ(form->width() - w->geometry().right() - 1, designMargin) << w->objectName().toStdString();
    EXPECT_EQ(control("cmdCancel")->x() - control("cmdOK")->x(), Twips::toPixels(6060) - Twips::toPixels(4620));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(frmPlentLabels, EnglishTextsFitTheDesignUnchanged)
{
    openWith(english_.handle());
    EXPECT_EQ(form->size(), QSize(Twips::toPixels(7455), Twips::toPixels(4995)));
    const auto at = [](int left, int top) { return QPoint(Twips::toPixels(left), Twips::toPixels(top)); };
    EXPECT_EQ(box("txtIdentifier")->pos(), at(1185, 240));
    EXPECT_EQ(box("txtFirstStartDate")->pos(), at(1935, 240));
    EXPECT_EQ(box("txtDelay")->pos(), at(2460, 240));
    EXPECT_EQ(control("fraDelay")->pos(), at(3510, 120));
    EXPECT_EQ(box("txtRetry")->pos(), at(1980, 240));
    EXPECT_EQ(control("cmdOK")->pos(), at(4620, 4560));
    EXPECT_EQ(control("cmdCancel")->pos(), at(6060, 4560));
    EXPECT_EQ(control("lblStartProperties")->width(), Twips::toPixels(7215));
    // Labels that fit keep their designed right or left edge.
    EXPECT_EQ(control("lblIdentifier")->geometry().right() + 1, Twips::toPixels(1140));
    EXPECT_EQ(control("lblUnlessDays")->x(), control("msgDays")->x());
}
