// When a press on the list becomes a drag: at the fourth mouse move with a button held, and
// only once per press, so small jitters of a click never start one.
#pragma once

class DragMoveCounter {
public:
    // One mouse move; true when this move should start the drag.
    bool Move(bool buttonHeld) {
        if (!buttonHeld) {
            moves_ = 0;
            return false;
        }
        // Counting on past 4 keeps a long press to one drag; stop before the int could wrap.
        if (moves_ < 5) ++moves_;
        return moves_ == 4;
    }

private:
    int moves_ = 0;
};
