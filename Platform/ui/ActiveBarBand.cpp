#include "ActiveBarBand.h"

#include <QAction>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "ActiveBarTool.h"

namespace Platform {

namespace {

// Band names are internal: a toolbar is kept out of the window's own menu
// of toolbars, which would show its name.
QToolBar* makeToolBar(const QString& name, QMainWindow* window)
{
    QToolBar* toolBar = window->addToolBar(name);
    toolBar->toggleViewAction()->setVisible(false);
    return toolBar;
}

QWidget* makeBandWidget(const QString& name, ActiveBarBand::BandType type, QMainWindow* window)
{
    switch (type) {
    case ActiveBarBand::BandType::MenuBar: return window->menuBar();
    case ActiveBarBand::BandType::Menu: return new QMenu(name, window);
    case ActiveBarBand::BandType::Toolbar: return makeToolBar(name, window);
    }
    return nullptr;
}

} // namespace

ActiveBarBand::ActiveBarBand(const QString& name, BandType type, QMainWindow* window, QObject* parent)
    : QObject(parent), name_(name), type_(type), window_(window), widget_(makeBandWidget(name, type, window))
{
}

ActiveBarTool* ActiveBarBand::Tool(const QString& name) const
{
    for (auto* tool : tools_)
        if (tool->Name() == name) return tool;
    return nullptr;
}

ActiveBarTool* ActiveBarBand::addTool(ActiveBarTool* globalTool)
{
    auto* copy = new ActiveBarTool(globalTool->Name(), globalTool->Caption(), globalTool->ToolTipText(),
                                   globalTool->Description(), this);
    copy->follow(globalTool);
    return append(copy, nullptr);
}

ActiveBarTool* ActiveBarBand::addTool(const QString& name, const QString& caption, const QString& toolTip,
                                      const QString& description, ActiveBarBand* opens)
{
    return append(new ActiveBarTool(name, caption, toolTip, description, this), opens);
}

ActiveBarTool* ActiveBarBand::append(ActiveBarTool* tool, ActiveBarBand* opens)
{
    tool->showIn(widget_, opens);
    connect(tool, &ActiveBarTool::clicked, this, [this, tool] { emit toolClicked(tool); });
    tools_.append(tool);
    return tool;
}

QMenu* ActiveBarBand::menu() const { return qobject_cast<QMenu*>(widget_.data()); }

void ActiveBarBand::PopupMenu(int x, int y)
{
    QMenu* popup = menu();
    if (!popup) return;
    const bool atMouse = x == -1 && y == -1;
    popup->popup(atMouse ? QCursor::pos() : window_->mapToGlobal(QPoint(x, y)));
}

} // namespace Platform
