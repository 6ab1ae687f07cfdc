#pragma once
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QWidget;

namespace Platform {

class ActiveBarBand;

// One tool of the toolbar and menu control: a named command with caption,
// tooltip and description, and its availability (enabled, visible).
//
// The bar keeps a global list of tools; a band holds copies of them. A copy
// starts with the texts of its global tool and then keeps texts of its own,
// while enabled, visible and the shortcut belong to the global tool and hold
// for every copy (setting them on a copy sets them on the global tool). A
// tool that a band holds without a global tool (a menu title) keeps its
// availability itself.
//
// Texts are properties by their control names, so that the text loader can
// address them by name.
class ActiveBarTool : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name CONSTANT)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(QString Description READ Description WRITE setDescription)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    ActiveBarTool(const QString& name, const QString& caption, const QString& toolTip, const QString& description,
                  QObject* parent);

    QString Name() const { return name_; }
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QString ToolTipText() const { return toolTip_; }
    void setToolTipText(const QString& toolTip);
    QString Description() const { return description_; }
    void setDescription(const QString& description) { description_ = description; }

    bool Enabled() const { return global_ ? global_->Enabled() : enabled_; }
    void setEnabled(bool enabled);
    bool Visible() const { return global_ ? global_->Visible() : visible_; }
    void setVisible(bool visible);
    QKeySequence Shortcut() const { return global_ ? global_->Shortcut() : shortcut_; }
    void setShortcut(const QKeySequence& shortcut);

    // The global tool of a copy; nullptr for a global tool or a band's own tool.
    ActiveBarTool* globalTool() const { return global_; }
    // The action that shows the tool in its band; nullptr outside a band.
    QAction* action() const { return action_; }

signals:
    // Availability or shortcut changed.
    void stateChanged();
    // The tool's copy in a band was clicked.
    void clicked();

private:
    friend class ActiveBarBand;
    // Makes this tool a copy of global, shown in the band's widget.
    void follow(ActiveBarTool* global);
    void showIn(QWidget* bandWidget, ActiveBarBand* opens);
    void updateAction();
    void updateTexts();

    QString name_;
    QString caption_;
    QString toolTip_;
    QString description_;
    bool enabled_ = true;
    bool visible_ = true;
    QKeySequence shortcut_;
    QPointer<ActiveBarTool> global_;
    QAction* action_ = nullptr;
};

} // namespace Platform
