#include "UiProperties.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVariant>

#include "ActiveBar.h"

namespace Platform {

namespace {

constexpr const char* Tag = "Tag";

bool hasOwnProperty(const QObject* object, const char* name)
{
    return object->metaObject()->indexOfProperty(name) >= 0 || object->dynamicPropertyNames().contains(name);
}

bool named(const char* name, const char* wanted) { return qstrcmp(name, wanted) == 0; }

std::optional<QString> readCaption(const QObject* object)
{
    if (auto* label = qobject_cast<const QLabel*>(object)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(object)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(object)) return frame->title();
    if (auto* widget = qobject_cast<const QWidget*>(object); widget && widget->isWindow()) return widget->windowTitle();
    return std::nullopt;
}

bool writeCaption(QObject* object, const QString& value)
{
    if (auto* label = qobject_cast<QLabel*>(object)) label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setText(value);
    else if (auto* frame = qobject_cast<QGroupBox*>(object)) frame->setTitle(value);
    else if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) widget->setWindowTitle(value);
    else return false;
    return true;
}

// A widget inside a window, as opposed to a window.
bool isInnerWidget(const QObject* object)
{
    auto* widget = qobject_cast<const QWidget*>(object);
    return widget && !widget->isWindow();
}

bool isQtPart(const QObject* object) { return object->objectName().startsWith(QLatin1String("qt_")); }

bool isControl(const QObject* object)
{
    if (object->objectName().isEmpty()) return false;
    return isInnerWidget(object) || UiProperties::isToolbarControl(object);
}

// What a control holds: the pages of a tab control, the children of any
// other widget; the inner parts of Qt's own widgets (named "qt_...", and the
// tab row of a tab control) and other windows are no controls.
QObjectList innerObjects(const QObject* object)
{
    if (auto* tabs = qobject_cast<const QTabWidget*>(object)) {
        QObjectList pages;
        for (int i = 0; i < tabs->count(); ++i) pages.append(tabs->widget(i));
        return pages;
    }
    if (!qobject_cast<const QWidget*>(object)) return {};
    return object->children();
}

void collectControls(const QObject* parent, QList<QObject*>& controls)
{
    for (QObject* child : innerObjects(parent)) {
        if (isQtPart(child) || (child->isWidgetType() && !isInnerWidget(child))) continue;
        if (isControl(child)) controls.append(child);
        collectControls(child, controls);
    }
}

} // namespace

std::optional<QString> UiProperties::read(const QObject* object, const char* name)
{
    if (!object) return std::nullopt;
    if (hasOwnProperty(object, name)) return object->property(name).toString();
    if (named(name, "Caption")) return readCaption(object);
    if (named(name, "ToolTipText")) {
        if (isInnerWidget(object)) return static_cast<const QWidget*>(object)->toolTip();
    }
    if (named(name, "text")) {
        if (auto* textBox = qobject_cast<const QLineEdit*>(object)) return textBox->text();
    }
    return std::nullopt;
}

bool UiProperties::write(QObject* object, const char* name, const QString& value)
{
    if (!object) return false;
    if (hasOwnProperty(object, name)) return object->setProperty(name, value);
    if (named(name, "Caption")) return writeCaption(object, value);
    if (named(name, "ToolTipText")) {
        if (isInnerWidget(object)) {
            static_cast<QWidget*>(object)->setToolTip(value);
            return true;
        }
    }
    if (named(name, "text")) {
        if (auto* textBox = qobject_cast<QLineEdit*>(object)) {
            textBox->setText(value);
            return true;
        }
    }
    return false;
}

void UiProperties::setTag(QObject* object, const QString& tag) { object->setProperty(Tag, tag); }

bool UiProperties::isTextBox(const QObject* object) { return qobject_cast<const QLineEdit*>(object) != nullptr; }

bool UiProperties::isTabControl(const QObject* object) { return qobject_cast<const QTabWidget*>(object) != nullptr; }

int UiProperties::tabCount(const QObject* tabControl)
{
    auto* tabs = qobject_cast<const QTabWidget*>(tabControl);
    return tabs ? tabs->count() : 0;
}

void UiProperties::setTabCaption(QObject* tabControl, int tab, const QString& caption)
{
    if (auto* tabs = qobject_cast<QTabWidget*>(tabControl)) tabs->setTabText(tab, caption);
}

QList<QObject*> UiProperties::controls(const QWidget* window)
{
    QList<QObject*> result;
    if (window) collectControls(window, result);
    return result;
}

bool UiProperties::isToolbarControl(const QObject* object) { return qobject_cast<const ActiveBar*>(object) != nullptr; }

QList<QObject*> UiProperties::bandTools(const QObject* toolbarControl)
{
    QList<QObject*> result;
    if (auto* bar = qobject_cast<const ActiveBar*>(toolbarControl)) {
        for (auto* band : bar->Bands())
            for (auto* tool : band->Tools()) result.append(tool);
    }
    return result;
}

} // namespace Platform
