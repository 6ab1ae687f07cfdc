#include "TabControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>

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

int TabControl::pageWidth() const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).width();
}

void TabControl::onCurrentChanged(int index)
{
    const int previous = current_;
    current_ = index;
    if (previous >= 0 && index >= 0) emit clicked(previous);
}

} // namespace Platform
