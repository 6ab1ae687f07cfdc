#include "CaptionFitter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>

#include <algorithm>
#include <utility>

#include "Platform/ui/TabControl.h"
#include "Platform/ui/Twips.h"

namespace Plent {

namespace {

// The design keeps 60 twips between controls and the edges of their frames.
constexpr int Margin = Platform::Twips::toPixels(60);

QList<QWidget*> siblingsOf(const QWidget& control)
{
    QList<QWidget*> siblings = control.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    siblings.removeAll(&control);
    return siblings;
}

bool sameRow(const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }
bool sameColumn(const QRect& a, const QRect& b) { return a.left() <= b.right() && b.left() <= a.right(); }

bool rightAligned(const QWidget& control)
{
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label && (label->alignment() & Qt::AlignRight);
}

// The tab control whose page the widget is, if it is one.
Platform::TabControl* tabControlOf(const QWidget& page)
{
    auto* stack = qobject_cast<QStackedWidget*>(page.parentWidget());
    auto* tabs = stack ? qobject_cast<Platform::TabControl*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(&page) >= 0 ? tabs : nullptr;
}

// A tab page is laid out only when its tab control is shown; until then
// its tab control knows the width it will have.
int widthOf(const QWidget& container)
{
    const Platform::TabControl* tabs = tabControlOf(container);
    return tabs ? tabs->pageWidth() : container.width();
}

int roomLeftOf(const QWidget& control)
{
    int room = Margin;
    for (const QWidget* s : siblingsOf(control)) {
        const QRect g = s->geometry();
        if (sameRow(g, control.geometry()) && g.right() < control.x()) room = std::max(room, g.right() + 1 + Margin);
    }
    return room;
}

int roomRightOf(const QWidget& control)
{
    int room = widthOf(*control.parentWidget()) - Margin;
    for (const QWidget* s : siblingsOf(control)) {
        const QRect g = s->geometry();
        if (sameRow(g, control.geometry()) && g.left() > control.geometry().right())
            room = std::min(room, g.left() - Margin);
    }
    return room;
}

// The controls that move when something grows at the edge: those that
// begin at or after it, and the right-aligned labels that reach it.
bool rightOf(const QWidget& control, int edge)
{
    return control.x() >= edge || (rightAligned(control) && control.geometry().right() + 1 >= edge);
}

void pushRightOf(const QWidget& control, int edge, int by)
{
    for (QWidget* s : siblingsOf(control)) {
        if (rightOf(*s, edge)) s->move(s->x() + by, s->y());
    }
}

void widen(QWidget& container, int by);

void makeRoom(QWidget& container)
{
    int needed = 0;
    for (const QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        needed = std::max(needed, child->geometry().right() + 1 + Margin);
    if (needed > widthOf(container)) widen(container, needed - widthOf(container));
}

void widen(QWidget& container, int by)
{
    if (Platform::TabControl* tabs = tabControlOf(container)) return widen(*tabs, by);
    if (container.isWindow()) return container.setFixedWidth(container.width() + by);
    const int edge = container.geometry().right() + 1;
    container.resize(container.width() + by, container.height());
    QWidget& parent = *container.parentWidget();
    for (QWidget* s : siblingsOf(container)) {
        if (qobject_cast<QGroupBox*>(s) && s->geometry().right() + 1 == edge) s->resize(s->width() + by, s->height());
        else if (parent.isWindow() || rightOf(*s, edge)) s->move(s->x() + by, s->y());
    }
    if (parent.isWindow()) widen(parent, by);
    else makeRoom(parent);
}

// The rows free above and below the control in its column, within its
// container: [top, bottom).
std::pair<int, int> roomAboveAndBelow(const QWidget& control)
{
    const QRect box = control.geometry();
    int top = 0;
    int bottom = control.parentWidget()->height();
    for (const QWidget* s : siblingsOf(control)) {
        const QRect g = s->geometry();
        if (!sameColumn(g, box)) continue;
        if (g.bottom() < box.top()) top = std::max(top, g.bottom() + 1);
        else if (g.top() > box.bottom()) bottom = std::min(bottom, g.top());
    }
    return {top, bottom};
}

// A check box or option button whose indicator is taller than its designed
// row grows upwards and downwards alike, as far as its neighbours allow, so
// that it stays centred on the row it was designed for.
void fitHeight(QWidget& control)
{
    const QRect box = control.geometry();
    const auto [roomTop, roomBottom] = roomAboveAndBelow(control);
    const int height = std::min(control.sizeHint().height(), roomBottom - roomTop);
    if (height <= box.height()) return;
    const int top = std::clamp(box.top() - (height - box.height()) / 2, roomTop, roomBottom - height);
    control.setGeometry(box.left(), top, box.width(), height);
}

void fitWidth(QWidget& control)
{
    const QRect box = control.geometry();
    const int wanted = control.sizeHint().width();
    if (wanted <= box.width()) return;
    const int right = box.right() + 1;
    if (rightAligned(control)) {
        const int left = std::max(roomLeftOf(control), right - wanted);
        control.setGeometry(left, box.top(), wanted, box.height());
        if (left + wanted > right) pushRightOf(control, right, left + wanted - right);
    } else {
        const int shortfall = box.left() + wanted - roomRightOf(control);
        if (shortfall > 0) pushRightOf(control, right, shortfall);
        control.resize(wanted, box.height());
    }
    makeRoom(*control.parentWidget());
}

} // namespace

void CaptionFitter::fit(QWidget& control)
{
    fitWidth(control);
    if (qobject_cast<QAbstractButton*>(&control)) fitHeight(control);
}

void CaptionFitter::fitAll(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control))
            fit(*control);
    }
}

} // namespace Plent
