#pragma once

class QLabel;

namespace Plent {

// Gives a label whose text (German or translated) is wider than its designed
// box the room to show it whole, keeping the design wherever the text fits.
//
// A label first grows away from the side it is aligned to, into the free
// room of its row: a right-aligned one to the left, so that it still ends
// next to the field it names, any other to the right. What the free room
// cannot give pushes the controls on the label's right further right: every
// control beginning at or after the label's right edge, together with the
// right-aligned labels that reach that edge, so that the column of fields
// stays one column and each field keeps its label. A container that then
// holds too much widens; frames sharing its right edge widen with it so that
// they stay flush, a tab page widens through its tab control, and the window
// widens last, its other controls keeping their distance from its right edge.
class LabelFitter {
public:
    static void fit(QLabel& label);
};

} // namespace Plent
