#pragma once
#include <optional>

#include <QList>
#include <QString>

class QObject;
class QWidget;

namespace Platform {

// The properties of windows and controls by the names the text loader uses,
// mapped onto Qt in this one place:
//
//   an object that has a property of exactly that name (a declared
//   Q_PROPERTY, as the bar's tools have, or a dynamic property, as "Tag")
//   uses it; otherwise
//   "Caption"     the text of a label or button, the title of a frame, the
//                 caption of a window;
//   "ToolTipText" the tooltip of a control (a window has none);
//   "text"        the text of a text box;
//   "Tag"         a dynamic property "Tag" on windows and controls;
//   "Tabs", "TabCaption", "ToolTipText" of a tab control (a QTabWidget):
//                 its tab count, the caption of one tab, its tooltip;
//   "Controls"    the controls of a window;
//   "Bands"       the bands of the toolbar and menu control, with their tools.
//
// A property that an object lacks reads as nothing and is not written.
class UiProperties {
public:
    static std::optional<QString> read(const QObject* object, const char* name);
    // False, with nothing written, when the object lacks the property.
    static bool write(QObject* object, const char* name, const QString& value);

    static void setTag(QObject* object, const QString& tag);

    static bool isTextBox(const QObject* object);
    static bool isTabControl(const QObject* object);
    // "Tabs": the number of tabs; 0 for anything but a tab control.
    static int tabCount(const QObject* tabControl);
    // "TabCaption" of one tab, counted from 0.
    static void setTabCaption(QObject* tabControl, int tab, const QString& caption);

    // "Controls": every control of the window, also those inside frames and
    // on tab pages, containers before their contents: the named widgets
    // below the window and the toolbar and menu control. Qt's own parts of
    // its widgets (named "qt_...", the tab row of a tab control) and other
    // windows are not among them.
    static QList<QObject*> controls(const QWidget* window);

    static bool isToolbarControl(const QObject* object);
    // "Bands": the tools of every band of the toolbar control, band by band;
    // the tools of its global list alone are not among them.
    static QList<QObject*> bandTools(const QObject* toolbarControl);
};

} // namespace Platform
