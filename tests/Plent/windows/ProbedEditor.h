#pragma once
// The event editor with its entries reachable by their names, for tests
// that fill a window as the engine's transfer once did: texts, check boxes
// and options are written into the real controls, so that their handlers
// run; the grids' marks go through the window's draft.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <functional>
#include <string>

#include "Plent/windows/frmPlent.h"

class ProbedEditor : public Plent::frmPlent {
public:
    std::string Text(const char* name) const { return box(name)->text().toStdString(); }
    void setText(const char* name, const std::string& text) { box(name)->setText(QString::fromStdString(text)); }
    int CheckValue(const char* name) const { return check(name)->isChecked() ? 1 : 0; }
    void setCheckValue(const char* name, int value) { check(name)->setChecked(value != 0); }
    int SelectedOption(const char* array) const
    {
        return std::string(array) == "optDelay" ? Draft().delayMode : Draft().retryMode;
    }
    void selectOption(const char* array, int index)
    {
        for (auto* o : findChildren<QRadioButton*>(QString::fromLatin1(array))) {
            if (o->property("Index").toInt() == index) o->setChecked(true);
        }
    }

    bool DaySelected(int day) const { return Draft().marks.DaySelected(day); }
    void setDaySelected(int day, bool on) { mark([=](Plent::CalendarMarks& m) { m.setDaySelected(day, on); }); }
    bool WeekDaySelected(int row) const { return Draft().marks.WeekDaySelected(row); }
    void setWeekDaySelected(int row, bool on) { mark([=](Plent::CalendarMarks& m) { m.setWeekDaySelected(row, on); }); }
    bool MonthDaySelected(int month, int day) const { return Draft().marks.MonthDaySelected(month, day); }
    void setMonthDaySelected(int month, int day, bool on)
    {
        mark([=](Plent::CalendarMarks& m) { m.setMonthDaySelected(month, day, on); });
    }

private:
    QLineEdit* box(const char* name) const { return findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QCheckBox* check(const char* name) const { return findChild<QCheckBox*>(QString::fromLatin1(name)); }
    void mark(const std::function<void(Plent::CalendarMarks&)>& change)
    {
        Plent::EventDraft d = Draft();
        change(d.marks);
        setDraft(d);
    }
};
