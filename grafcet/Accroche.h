#pragma once

#include "platform/TPoint.h"

class Grafcet;

// Snaps a clicked point to the attach point of the element above it, or of
// the nearest element within 20 units; a click on an action block snaps to
// its step. Gives the previous type (−1 when none) and whether a point was
// found. The editing tools decide from it what a click adds or inserts.
bool Accroche(const Grafcet& g, TPoint& p, short& type);
