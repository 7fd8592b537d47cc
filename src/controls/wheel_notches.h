#pragma once

namespace vintrel {

/// Turns wheel movements into whole notches of 120 eighths of a degree. Fine wheels and
/// touchpads send smaller steps; their remainder is kept until it adds up to a notch, and is
/// dropped when the direction turns.
class WheelNotches {
public:
    /// Adds a movement and gives the whole notches it completes (positive away from the user).
    int take(int angleDelta) {
        if ((angleDelta > 0 && remainder_ < 0) || (angleDelta < 0 && remainder_ > 0))
            remainder_ = 0;
        remainder_ += angleDelta;
        const int notches = remainder_ / kNotch;
        remainder_ -= notches * kNotch;
        return notches;
    }
    void reset() { remainder_ = 0; }

private:
    static constexpr int kNotch = 120;
    int remainder_ = 0;
};

} // namespace vintrel
