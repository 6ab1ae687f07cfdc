#include "SessionEnd.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include "Platform/boxes/MessageBox.h"

namespace Platform {

namespace {

bool& begun()
{
    static bool flag = false;
    return flag;
}

// A window that will not close (a message box without an escape button)
// is hidden, which ends its modal loop as well.
void closeWindow(QWidget* window)
{
    if (window->close()) return;
    if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
    window->hide();
}

void closeEveryWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (qsizetype closed = 0; closed < windows.size(); ++closed) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) break;
        closeWindow(modal);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) closeWindow(window);
    }
}

} // namespace

void SessionEnd::begin()
{
    begun() = true;
    MessageBox::setEnding(true);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) closeEveryWindow();
}

bool SessionEnd::hasBegun() { return begun(); }

void SessionEnd::reset()
{
    begun() = false;
    MessageBox::setEnding(false);
}

} // namespace Platform
