#pragma once
// Every text a window shows, for comparing a window captioned from a
// language library with its design.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QWidget>

#include <vector>

#include "Plent/client/LanguageLibrary.h"
#include "Platform/modules/ModulePath.h"

namespace WindowTexts {

// Every text a window shows: title, captions, frame titles, tab captions,
// tooltips, cells and headers of lists and grids, and the toolbar's tools.
inline std::vector<QString> textsOf(QWidget* window)
{
    std::vector<QString> texts{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w)) texts.push_back(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts.push_back(button->text());
        if (auto* frame = qobject_cast<QGroupBox*>(w)) texts.push_back(frame->title());
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) texts.push_back(tabs->tabText(i));
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c) texts.push_back(model->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c) texts.push_back(model->index(r, c).data().toString());
        }
        texts.push_back(w->toolTip());
    }
    for (QAction* action : window->findChildren<QAction*>()) texts.push_back(action->text() + "|" + action->toolTip());
    return texts;
}

// A language library beside the tests: "Pelmor.dll" or "Pelmor.de.dll".
inline Plent::LanguageLibrary libraryBeside(const char* file)
{
    return Plent::LanguageLibrary::loadFrom(Platform::ModulePath::executableDir() / file);
}

} // namespace WindowTexts
