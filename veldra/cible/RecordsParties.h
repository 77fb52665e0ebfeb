#pragma once

#include <array>
#include <string>
#include <vector>

#include "variables/composant.h"

// The component records of a new operative part, as each card's definition
// dialog describes it. Every record has an empty designation.
namespace recordsparties {

constexpr int MAX_SIMULATION = 100;  // inputs, and outputs, of a simulated part

// Simulation card (code 0): the outputs S1.. first, then the inputs e1..,
// eight to a port byte, then the three internal templates.
std::vector<composant> Simulation(int entrees, int sorties);

// ORBAN card (code 2): one interface chip; `sorties` tells for ports A, B,
// lower C and upper C whether they are outputs.
std::vector<composant> Orban(const std::array<bool, 4>& sorties);

// PUX card (code 3): two interface chips; `sorties` for ports A, B, lower C,
// upper C of the first chip, then the same four of the second.
std::vector<composant> Pux(const std::array<bool, 8>& sorties);

// A count typed in the simulation dialog: its first 8 characters read as a
// decimal integer (text that is not a number counts as 0), kept within
// 0 and MAX_SIMULATION.
int LitNombre(const std::string& texte);

} // namespace recordsparties
