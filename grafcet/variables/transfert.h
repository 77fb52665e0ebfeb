#pragma once

#include <cstdint>

// The input/output image of the run window. The window owns and fills it;
// the variable list only keeps a pointer and reads or writes through these
// members, each array indexed by a component's index.
struct transfert {
    std::int32_t mot16;         // non-zero: analog inputs are 16-bit words in ana; zero: signed bytes in es
    unsigned char* es;          // port image, one byte per port; logical signals are its bits
    unsigned char* memM;        // memory bytes M, by number
    std::int32_t* pos;          // position counters of the position set-points
    std::uint16_t* tempo;       // timer values t/x
    std::uint16_t* ana;         // analog words and carriage values
    std::uint16_t* motW;        // memory words W, by number
    unsigned char* bitB;        // memory bits B: byte index, bit mask
};
