#pragma once

// How much memory the process can still really have: the smallest of the
// memory the system reports available, the room left under the process's
// address-space limit and the room left under its control group's limit.
// Infinity when the system tells nothing.
class AvailableMemory {
public:
    static double Bytes();
};
