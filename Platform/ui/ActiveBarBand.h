#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QMainWindow;
class QMenu;

namespace Platform {

class ActiveBarTool;

// One band of the toolbar and menu control: the menu bar, a drop-down menu
// (which also opens as a popup menu), or a toolbar, holding tools in order.
// Bands are made by ActiveBar::addBand; their names are internal.
class ActiveBarBand : public QObject {
    Q_OBJECT

public:
    enum class BandType { MenuBar, Menu, Toolbar };

    QString Name() const { return name_; }
    BandType Type() const { return type_; }
    const QList<ActiveBarTool*>& Tools() const { return tools_; }
    // The band's tool of that name, or nullptr.
    ActiveBarTool* Tool(const QString& name) const;

    // Appends a copy of a tool of the bar's global list.
    ActiveBarTool* addTool(ActiveBarTool* globalTool);
    // Appends a tool of the band's own (a menu title); opens: the menu band
    // it drops down, if any.
    ActiveBarTool* addTool(const QString& name, const QString& caption, const QString& toolTip,
                           const QString& description, ActiveBarBand* opens = nullptr);

    // Opens a menu band as a popup menu; x and y of -1 open it at the mouse,
    // other values are a point in the window, in pixels. Other bands ignore it.
    void PopupMenu(int x = -1, int y = -1);

    // The widget that shows the band: a QMenuBar, QMenu or QToolBar.
    QWidget* widget() const { return widget_; }
    // The menu of a menu band, else nullptr.
    QMenu* menu() const;

signals:
    void toolClicked(Platform::ActiveBarTool* tool);

private:
    friend class ActiveBar;
    ActiveBarBand(const QString& name, BandType type, QMainWindow* window, QObject* parent);
    ActiveBarTool* append(ActiveBarTool* tool, ActiveBarBand* opens);

    QString name_;
    BandType type_;
    QPointer<QMainWindow> window_;
    QPointer<QWidget> widget_;
    QList<ActiveBarTool*> tools_;
};

} // namespace Platform
