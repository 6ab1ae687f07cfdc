#include "ActiveBar.h"

#include <QKeySequence>
#include <QMainWindow>

namespace Platform {

ActiveBar::ActiveBar(QMainWindow* window) : QObject(window), window_(window) {}

ActiveBarTool* ActiveBar::addTool(const QString& name, const QString& caption, const QString& toolTip,
                                  const QString& description)
{
    auto* tool = new ActiveBarTool(name, caption, toolTip, description, this);
    tools_.append(tool);
    return tool;
}

ActiveBarTool* ActiveBar::Tool(const QString& name) const
{
    for (auto* tool : tools_)
        if (tool->Name() == name) return tool;
    return nullptr;
}

ActiveBarBand* ActiveBar::addBand(const QString& name, ActiveBarBand::BandType type)
{
    auto* band = new ActiveBarBand(name, type, window_, this);
    connect(band, &ActiveBarBand::toolClicked, this, &ActiveBar::Click);
    bands_.append(band);
    return band;
}

ActiveBarBand* ActiveBar::Band(const QString& name) const
{
    for (auto* band : bands_)
        if (band->Name() == name) return band;
    return nullptr;
}

bool ActiveBar::OnKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    ActiveBarTool* tool = toolForKey(key, modifiers);
    if (!tool) return false;
    handledKey_ = key;
    emit Click(tool);
    return true;
}

bool ActiveBar::OnKeyUp(int key, Qt::KeyboardModifiers)
{
    if (key == 0 || key != handledKey_) return false;
    handledKey_ = 0;
    return true;
}

ActiveBarTool* ActiveBar::toolForKey(int key, Qt::KeyboardModifiers modifiers) const
{
    const QKeySequence pressed(QKeyCombination(modifiers & ~Qt::KeypadModifier, Qt::Key(key)));
    for (auto* tool : tools_) {
        if (tool->Shortcut().isEmpty() || !tool->Enabled() || !tool->Visible()) continue;
        if (tool->Shortcut().matches(pressed) == QKeySequence::ExactMatch) return tool;
    }
    return nullptr;
}

} // namespace Platform
