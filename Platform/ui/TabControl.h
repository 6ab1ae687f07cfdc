#pragma once
#include <QTabWidget>

namespace Platform {

// A row of tabs, each with a page that holds controls. Captions, the tab
// count, the tooltip, enabling single tabs and the current tab are those of
// QTabWidget (tabText/setTabText, count, setToolTip, setTabEnabled,
// currentIndex/setCurrentIndex).
//
// Disabled tabs: the user can neither click nor key to them. Code may still
// select one with setCurrentIndex: its page comes to the front, disabled
// with all its controls, and `clicked` reports the switch as usual, so code
// can show the user the page an entry lives on even while the page is not
// in use. An index outside the tabs is ignored. Disabling the tab that is
// current moves the selection on to the next enabled tab (reported by
// `clicked` as well).
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    // Appends a tab with an empty page and answers the page, on which the
    // caller places the tab's controls.
    QWidget* addPage(const QString& caption);

    // The width the pages have at the tab control's present size, known
    // before the control is shown and lays its pages out.
    int pageWidth() const;

signals:
    // The current tab changed, by the user or by code; currentIndex() is the
    // new tab. Not sent while the first tab is added.
    void clicked(int previousTab);

private:
    void onCurrentChanged(int index);

    int current_ = -1;
};

} // namespace Platform
