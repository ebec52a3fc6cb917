#pragma once

#include "ParameterSet.h"

#include <vector>

using Bytes = std::vector<ign::Byte>;

// Code and ten data bytes; the check byte makes the twelve XOR to 0xFF.
inline Bytes Sealed(Bytes frame) {
    ign::Byte x = 0;
    for (ign::Byte b : frame) x ^= b;
    frame.push_back(static_cast<ign::Byte>(~x));
    return frame;
}

// One run of bytes after another, as the line brings them.
inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
