#pragma once

#include "Grafcet.h"

// Drives a diagram container the way the editor's mouse handlers do: each
// click is snapped to the attach point of the nearest element, then turned
// into the chain-editing call that the tool and the element above decide.
class EditeurSimule {
public:
    explicit EditeurSimule(Grafcet& g) : g(g) {}

    // Creation mode, one click with a tool (element type code).
    void Clic(short outil, TPoint p);
    // A new branch under a divergence that already has branches: the drag
    // starts on the bar's attach point and is released at `relache`.
    void Branche(short outil, TPoint presse, TPoint relache);
    // Linking mode: drag from a convergence's attach point to the end of a branch.
    void Relie(TPoint presse, TPoint relache);
    // Return link: its start below an element, its corner column, its target step.
    void Retour(TPoint depart, TPoint coin, TPoint cible);
    // Deletion mode, one click.
    void Efface(TPoint p) { g.Effacer(p, 0); }
    // Selection mode: region drag, then a move of the selection; false when
    // the move is refused because the target place is taken.
    bool DeplaceRegion(TRect sel, short dx, short dy);

private:
    bool Accroche(TPoint& p, short& type) const;

    Grafcet& g;
};
