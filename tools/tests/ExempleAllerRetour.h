#pragma once

class Grafcet;

// The bundled example: a carriage that goes forward then back on a cycle
// start, drawn the way the editor lays out a chain.
void ConstruitAllerRetour(Grafcet& g);
