#pragma once

#include <QDialog>
#include <functional>

#include "Accroche.h"
#include "Commandes.h"
#include "platform/TPoint.h"

class Grafcet;
class veldraWindowView;

// The editing tools of the diagram view: what a press, a release, a move and
// a right click do in each mode, and the view's editing commands. Each mode
// has its own small piece; the view only hands them the mouse.
namespace edition {

// Key flags of a release, as the tools test them.
enum : unsigned { BOUTON_GAUCHE = 1, MAJ = 4, CTRL = 8 };

// The snapping of clicks (Accroche.h) serves every mode.
using ::Accroche;

void Presse(veldraWindowView& v, TPoint p);
void Relache(veldraWindowView& v, TPoint p, unsigned drapeaux);
void Bouge(veldraWindowView& v, TPoint p);
// The right button: whatever is in progress is abandoned.
void Annule(veldraWindowView& v);

bool Execute(veldraWindowView& v, int id);
bool Etat(veldraWindowView& v, int id, EtatCommande& etat);

// Runs an element dialog and returns 1 when it was closed by OK. The tests
// replace it to answer the dialog.
extern std::function<int(QDialog& dialogue, std::function<int()> execute)> OuvreDialogue;

// The pieces of each mode.
void PresseCreation(veldraWindowView& v, TPoint p);
void PresseRetour(veldraWindowView& v, TPoint p);
void PresseSelection(veldraWindowView& v, TPoint p);
void PresseEffacement(veldraWindowView& v, TPoint p);
void PresseTexte(veldraWindowView& v, TPoint p);
void PresseLiaison(veldraWindowView& v, TPoint p);
void RelacheBranche(veldraWindowView& v, TPoint p);
void RelacheRegion(veldraWindowView& v, TPoint p, unsigned drapeaux);
void RelacheDeplacement(veldraWindowView& v, TPoint p);

} // namespace edition
