#pragma once
#include <QList>
#include <QObject>
#include <QString>

#include "ActiveBarBand.h"
#include "ActiveBarTool.h"

class QMainWindow;

namespace Platform {

// The toolbar and menu control of a main window: a global list of named
// tools and the bands (menu bar, drop-down menus, toolbars) that show copies
// of them. A click on any copy is reported by Click with that copy; the
// window runs the command by the tool's name.
//
// Shortcuts of tools are not taken by the window system: the window hands
// every key press and release to OnKeyDown and OnKeyUp, which run the tool
// whose shortcut was pressed and report the key as handled.
class ActiveBar : public QObject {
    Q_OBJECT

public:
    explicit ActiveBar(QMainWindow* window);

    // Adds a tool to the global list.
    ActiveBarTool* addTool(const QString& name, const QString& caption, const QString& toolTip,
                           const QString& description);
    const QList<ActiveBarTool*>& Tools() const { return tools_; }
    // The global tool of that name, or nullptr.
    ActiveBarTool* Tool(const QString& name) const;

    ActiveBarBand* addBand(const QString& name, ActiveBarBand::BandType type);
    // The bands in the order they were added.
    const QList<ActiveBarBand*>& Bands() const { return bands_; }
    // The band of that name, or nullptr.
    ActiveBarBand* Band(const QString& name) const;

    // True when the key ran an enabled, visible tool (which Click reports).
    bool OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // True for the release of a key that OnKeyDown handled.
    bool OnKeyUp(int key, Qt::KeyboardModifiers modifiers);

signals:
    void Click(Platform::ActiveBarTool* Tool);

private:
    ActiveBarTool* toolForKey(int key, Qt::KeyboardModifiers modifiers) const;

    QMainWindow* window_;
    QList<ActiveBarTool*> tools_;
    QList<ActiveBarBand*> bands_;
    int handledKey_ = 0;
};

} // namespace Platform
