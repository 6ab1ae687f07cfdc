#pragma once
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace Platform {
class Grid;
class TabControl;
} // namespace Platform

namespace Plent {

class ControlPlacer;

// The controls of the event editor in their design state: names, kinds,
// containers, positions, tab order, German texts, defaults and message
// markers. The option arrays share one name; each button carries its index
// in the property "Index".
class frmPlentControls {
public:
    // Places every control on the window.
    void build(QWidget* window);

    Platform::TabControl* sstabPlent = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Tab 0
    QGroupBox* fraIdentifier = nullptr;
    QLabel* lblIdentifier = nullptr;
    QLineEdit* txtIdentifier = nullptr;
    QLabel* lblParameter = nullptr;
    QLineEdit* txtParameter = nullptr;
    QLabel* lblDescription = nullptr;
    QLineEdit* txtDescription = nullptr;
    QGroupBox* lblStartProperties = nullptr;
    QLabel* lblFirstStartDate = nullptr;
    QLineEdit* txtFirstStartDate = nullptr;
    QLabel* lblFirstStartHour = nullptr;
    QLineEdit* txtFirstStartHour = nullptr;
    QGroupBox* fraDelay = nullptr;
    QLabel* lblDelay = nullptr;
    QLineEdit* txtDelay = nullptr;
    std::array<QRadioButton*, 3> optDelay{};
    QCheckBox* chkDelete = nullptr;
    QCheckBox* chkMove = nullptr;

    // Tab 1
    QGroupBox* fraRetryMode = nullptr;
    std::array<QRadioButton*, 8> optRetryMode{};
    QGroupBox* fraDetail = nullptr;
    QGroupBox* fraFromTo = nullptr;
    QLabel* lblFrom = nullptr;
    QLineEdit* txtFrom = nullptr;
    QLabel* lblTo = nullptr;
    QLineEdit* txtTo = nullptr;
    QGroupBox* fraRetry = nullptr;
    QLabel* lblRetry1 = nullptr;
    QLineEdit* txtRetry = nullptr;
    QLabel* lblRetry2 = nullptr;

    // Tab 2
    QLabel* lblUnlessWeekDay = nullptr;
    Platform::Grid* msgWeekDay = nullptr;
    QLabel* lblUnlessDays = nullptr;
    Platform::Grid* msgDays = nullptr;
    QLabel* lblLastDayInMonth = nullptr;
    QGroupBox* lblUnlessMonthDay = nullptr;
    Platform::Grid* msgMonth = nullptr;
    Platform::Grid* msgMonthDay = nullptr;

private:
    void buildTab0(ControlPlacer& placer, QWidget* page);
    void buildIdentifierFrame(ControlPlacer& placer, QWidget* page);
    void buildStartFrame(ControlPlacer& placer, QWidget* page);
    void buildDelayFrame(ControlPlacer& placer, QWidget* container);
    void buildTab1(ControlPlacer& placer, QWidget* page);
    void buildDetailFrame(ControlPlacer& placer, QWidget* page);
    void buildTab2(ControlPlacer& placer, QWidget* page);
};

} // namespace Plent
