#pragma once

class Grafcet;

// The bundled complete example: a macro-step and its expansion, an OR
// divergence and an AND divergence with their convergences, a return link,
// receptivities and actions on the signals of the factory "Simulation"
// operative part. Drawn click by click the way the editor does.
void ConstruitExempleComplet(Grafcet& g);
// Its structure alone, clicked as in the editor: a macro-step and its
// expansion, OR and AND divergences with two branches each and their
// convergences, and a return link to the initial step.
void DessineStructureComplete(Grafcet& g);
