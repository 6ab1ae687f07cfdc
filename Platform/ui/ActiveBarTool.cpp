#include "ActiveBarTool.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "ActiveBarBand.h"

namespace Platform {

ActiveBarTool::ActiveBarTool(const QString& name, const QString& caption, const QString& toolTip,
                             const QString& description, QObject* parent)
    : QObject(parent), name_(name), caption_(caption), toolTip_(toolTip), description_(description)
{
}

void ActiveBarTool::setCaption(const QString& caption)
{
    caption_ = caption;
    updateTexts();
}

void ActiveBarTool::setToolTipText(const QString& toolTip)
{
    toolTip_ = toolTip;
    updateTexts();
}

void ActiveBarTool::setEnabled(bool enabled)
{
    if (global_) return global_->setEnabled(enabled);
    enabled_ = enabled;
    emit stateChanged();
}

void ActiveBarTool::setVisible(bool visible)
{
    if (global_) return global_->setVisible(visible);
    visible_ = visible;
    emit stateChanged();
}

void ActiveBarTool::setShortcut(const QKeySequence& shortcut)
{
    if (global_) return global_->setShortcut(shortcut);
    shortcut_ = shortcut;
    emit stateChanged();
}

void ActiveBarTool::follow(ActiveBarTool* global)
{
    global_ = global;
    connect(global, &ActiveBarTool::stateChanged, this, &ActiveBarTool::stateChanged);
}

// The shortcut is only shown: the bar's key processing runs the tools, so
// the action must not take the key itself.
void ActiveBarTool::showIn(QWidget* bandWidget, ActiveBarBand* opens)
{
    action_ = new QAction(this);
    action_->setShortcutContext(Qt::WidgetShortcut);
    if (opens && opens->menu()) action_->setMenu(opens->menu());
    connect(action_, &QAction::triggered, this, &ActiveBarTool::clicked);
    connect(this, &ActiveBarTool::stateChanged, this, &ActiveBarTool::updateAction);
    updateTexts();
    updateAction();
    bandWidget->addAction(action_);
}

void ActiveBarTool::updateAction()
{
    action_->setEnabled(Enabled());
    action_->setVisible(Visible());
    action_->setShortcut(Shortcut());
}

void ActiveBarTool::updateTexts()
{
    if (!action_) return;
    action_->setText(caption_);
    action_->setToolTip(toolTip_);
}

} // namespace Platform
