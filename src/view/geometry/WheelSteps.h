#pragma once

// Turns wheel or pinch movement into whole steps: a mouse wheel's notch is
// one step at once, a touchpad's small deltas add up until they make one.
// A turn the other way starts counting afresh.
class WheelSteps {
public:
    // The movement of one notch, in the wheel's units (eighths of a degree).
    static constexpr int kNotch = 120;

    // Adds a movement (positive away from the user); returns the whole steps
    // it completes, negative toward the user.
    int Add(int delta);
    void Reset() { m_pending = 0; }

private:
    int m_pending = 0;
};
