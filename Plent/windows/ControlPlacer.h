#pragma once
#include <QList>
#include <QPair>
#include <QWidget>

namespace Plent {

// A position and size in twips (1/1440 inch), relative to the container.
struct TwipsRect {
    int left, top, width, height;
};

// Puts a window's controls where the design has them: named as designed,
// at their twips position converted to pixels, with their message marker as
// Tag, and in the design's tab order once every control is placed.
class ControlPlacer {
public:
    static constexpr int NoMessage = -1;
    static constexpr int NoTabStop = -1;

    template <class W>
    W* place(QWidget* container, const char* name, TwipsRect rect, int tabIndex, int msgNr = NoMessage)
    {
        auto* control = new W(container);
        setUp(control, name, rect, tabIndex, msgNr);
        return control;
    }

    // Chains the placed controls that take the focus by their tab index.
    void applyTabOrder() const;

    static void setGeometry(QWidget* control, TwipsRect rect);

private:
    void setUp(QWidget* control, const char* name, TwipsRect rect, int tabIndex, int msgNr);

    QList<QPair<int, QWidget*>> tabStops_;
};

} // namespace Plent
