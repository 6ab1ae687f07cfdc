#include "ControlPlacer.h"

#include <algorithm>

#include "Platform/ui/Twips.h"
#include "Platform/ui/UiProperties.h"

namespace Plent {

using Platform::Twips;

void ControlPlacer::setGeometry(QWidget* control, TwipsRect rect)
{
    control->setGeometry(Twips::toPixels(rect.left), Twips::toPixels(rect.top), Twips::toPixels(rect.width),
                         Twips::toPixels(rect.height));
}

void ControlPlacer::setUp(QWidget* control, const char* name, TwipsRect rect, int tabIndex, int msgNr)
{
    control->setObjectName(QString::fromLatin1(name));
    setGeometry(control, rect);
    if (msgNr != NoMessage) Platform::UiProperties::setTag(control, QStringLiteral("MsgNr=%1").arg(msgNr));
    if (tabIndex != NoTabStop) tabStops_.append({tabIndex, control});
}

void ControlPlacer::applyTabOrder() const
{
    auto stops = tabStops_;
    std::stable_sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [index, control] : stops) {
        if (control->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace Plent
