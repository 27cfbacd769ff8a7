#pragma once

namespace tessellon {

// Turns a mouse wheel's turns into whole notches: a wheel gives 120 units a notch, a
// touchpad small parts of one, which add up.
class WheelNotches {
public:
    static constexpr int unitsPerNotch = 120;

    // The whole notches that this turn completes (negative toward the user).
    int turn(int units)
    {
        m_units += units;
        const int notches = m_units / unitsPerNotch;
        m_units -= notches * unitsPerNotch;
        return notches;
    }

private:
    int m_units = 0;
};

} // namespace tessellon
