#include "TabControl.h"

namespace Platform {

TabControl::TabControl(QWidget* parent)
    : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, &TabControl::onCurrentChanged);
}

QWidget* TabControl::addPage(const QString& caption)
{
    auto* page = new QWidget;
    addTab(page, caption);
    return page;
}

void TabControl::onCurrentChanged(int index)
{
    const int previous = current_;
    current_ = index;
    if (previous >= 0 && index >= 0) emit clicked(previous);
}

} // namespace Platform
