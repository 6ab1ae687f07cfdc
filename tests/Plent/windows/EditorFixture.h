#pragma once
// The event editor shown modelessly on the offscreen screen, so that tests
// can click and type into it, with message boxes recorded and the clock and
// locale fixed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "ProbedEditor.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/dates/Clock.h"
#include "Platform/ui/Grid.h"
#include "support/MessageBoxRecorder.h"
#include "Platform/ui/TabControl.h"
#include "support/QtAppEnvironment.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class EditorFixture : public ::testing::Test {
protected:
    using Grid = Platform::Grid;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        open();
    }
    void TearDown() override
    {
        form.reset();
        QLocale::setDefault(previousLocale_);
    }

    // A fresh window, initialised without a language library and shown.
    void open()
    {
        form = std::make_unique<ProbedEditor>();
        form->Init(-1, 1100);
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    template <class W = QWidget>
    W* control(const char* name) const
    {
        auto* w = form->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QCheckBox* check(const char* name) const { return control<QCheckBox>(name); }
    Grid* grid(const char* name) const { return control<Grid>(name); }
    Platform::TabControl* tabs() const { return control<Platform::TabControl>("sstabPlent"); }

    QRadioButton* option(const char* array, int index) const
    {
        for (auto* o : form->findChildren<QRadioButton*>(QString::fromLatin1(array))) {
            if (o->property("Index").toInt() == index) return o;
        }
        ADD_FAILURE() << array << "(" << index << ")";
        return nullptr;
    }

    // What the user does.
    void clickTab(int index)
    {
        QTabBar* bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }
    void chooseMode(int index)
    {
        clickTab(1);
        click(option("optRetryMode", index));
    }
    void type(const char* name, const QString& text)
    {
        QLineEdit* b = box(name);
        b->setFocus();
        b->selectAll();
        if (text.isEmpty()) QTest::keyClick(b, Qt::Key_Delete);
        else QTest::keyClicks(b, text);
    }
    static QPoint centre(Grid* g, int k)
    {
        return g->visualRect(g->model()->index((k - 1) / g->columnCount(), (k - 1) % g->columnCount())).center();
    }
    void clickCell(Grid* g, int k) { QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centre(g, k)); }
    void drag(Grid* g, int from, int to)
    {
        QTest::mousePress(g->viewport(), Qt::LeftButton, {}, centre(g, from));
        QTest::mouseMove(g->viewport(), centre(g, to));
        QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, centre(g, to));
    }
    // Whether cell k shows the marked colours.
    static bool highlighted(Grid* g, int k)
    {
        const int row = (k - 1) / g->columnCount(), col = (k - 1) % g->columnCount();
        return g->cellBackColor(row, col) == g->palette().color(QPalette::Highlight) &&
               g->cellForeColor(row, col) == g->palette().color(QPalette::HighlightedText);
    }
    static QString cellText(Grid* g, int k) { return g->text((k - 1) / g->columnCount(), (k - 1) % g->columnCount()); }

    Platform::FixedClock clock{Platform::DateTime::fromCivil(2024, 3, 15, 8, 30, 15)};
    std::unique_ptr<ProbedEditor> form;
    TestSupport::MessageBoxRecorder recorder_;
    std::vector<std::string>& boxes = recorder_.texts;

private:
    QLocale previousLocale_;
};
