#pragma once

class QWidget;

namespace Plent {

// Gives a label, check box or option button whose caption (German or
// translated) is wider than its designed box the room to show it whole,
// keeping the design wherever the caption fits.
//
// A control first grows away from the side it is aligned to, into the free
// room of its row: a right-aligned one to the left, so that it still ends
// next to the field it names, any other to the right. What the free room
// cannot give pushes the controls on its right further right: every
// control beginning at or after its right edge, together with the
// right-aligned labels that reach that edge, so that the column of fields
// stays one column and each field keeps its label. A container that then
// holds too much widens; frames sharing its right edge widen with it so that
// they stay flush, a tab page widens through its tab control, and the window
// widens last, its other controls keeping their distance from its right edge.
// A check box or option button that needs more height than its row grows
// up and down alike, centred on its row, as far as its neighbours allow.
class CaptionFitter {
public:
    static void fit(QWidget& control);
    // Fits every label, check box and option button of the window.
    static void fitAll(QWidget& window);
};

} // namespace Plent
