// The mouse and the editing commands of the diagram view, handed to the
// piece of the current mode.
#include "edition/Edition.h"

#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "vue/CadreSelection.h"
#include "vue/Select.h"
#include "vue/veldraWindowView.h"

namespace edition {

std::function<int(QDialog&, std::function<int()>)> OuvreDialogue =
    [](QDialog&, std::function<int()> execute) { return execute(); };

void Presse(veldraWindowView& v, TPoint p)
{
    // A new press always ends the drag of the one before.
    v.Tracking = 0;
    if (v.Mode == 0 && v.ClickCount == 0)
        PresseCreation(v, p);
    else if (v.Mode == 0 && v.Tool == RETOUR)
        PresseRetour(v, p);
    else if (v.Mode == 1)
        PresseSelection(v, p);
    else if (v.Mode == 2)
        PresseEffacement(v, p);
    else if (v.Mode == 3)
        PresseTexte(v, p);
    else if (v.Mode == 4)
        PresseLiaison(v, p);
}

void Relache(veldraWindowView& v, TPoint p, unsigned drapeaux)
{
    if (v.Tracker && v.Tracking != 0 && v.ClickCount == 0 && (v.Mode == 0 || v.Mode == 4))
        RelacheBranche(v, p);
    else if (v.Mode == 1 && v.Tracking == 1 && v.Tracker)
        RelacheRegion(v, p, drapeaux);
    else if (v.Mode == 1 && v.Tracking == 2 && v.Tracker)
        RelacheDeplacement(v, p);
}

void Bouge(veldraWindowView& v, TPoint p)
{
    if (v.Tracker && v.Tracking != 0) {
        const QPoint o = v.Decalage();
        v.Tracker->Move(p, v.Zoom, static_cast<short>(o.x()), static_cast<short>(o.y()));
    }
}

void Annule(veldraWindowView& v)
{
    v.ClickCount = 0;
    v.Tracker.reset();
    v.Tracking = 0;
    v.SelHandle.reset();
    v.Repeint();
}

bool Execute(veldraWindowView& v, int id)
{
    Grafcet* g = v.Doc ? v.Doc->PGraf() : nullptr;
    if (id >= cmd::OUTIL_PREMIER && id <= cmd::OUTIL_DERNIER) {
        v.Tool = static_cast<short>(id - cmd::OUTIL_PREMIER);
        v.Mode = 0;
        // The bar tools keep a return link in progress waiting.
        if (v.Tool != DIV_OU && v.Tool != CONV_OU && v.Tool != DIV_ET && v.Tool != CONV_ET)
            v.ClickCount = 0;
        return true;
    }
    switch (id) {
    case cmd::MODE_SELECTION:
        v.Mode = 1;
        v.SelHandle.reset();
        v.Repeint();
        return true;
    case cmd::MODE_EFFACEMENT:
        if (v.SelHandle && g) {
            g->Effacer();
            v.SelHandle.reset();
            v.Modifie();
            v.Repeint();
        }
        v.Mode = 2;
        return true;
    case cmd::MODE_TEXTE:
        v.Mode = 3;
        v.ClickCount = 0;
        return true;
    case cmd::MODE_LIAISON:
        v.ClickCount = 0;
        v.Mode = 4;
        return true;
    case cmd::EFFACER:
        if (g)
            g->Effacer();
        v.SelHandle.reset();
        v.Modifie();
        v.Repeint();
        return true;
    case cmd::TOUT_EFFACER:
        if (g)
            g->EffaceTout();
        v.SelHandle.reset();
        v.Modifie();
        v.Repeint();
        return true;
    case cmd::ANNULER:
        if (g)
            g->Recupere();
        v.Modifie();
        v.Repeint();
        return true;
    case cmd::NUMEROTATION:
        if (g)
            g->NumEtape();
        v.Modifie();
        v.Repeint();
        return true;
    default:
        return false;
    }
}

bool Etat(veldraWindowView& v, int id, EtatCommande& etat)
{
    const Grafcet* g = v.Doc ? v.Doc->PGraf() : nullptr;
    if ((id >= cmd::OUTIL_PREMIER && id <= cmd::OUTIL_DERNIER)
        || (id >= cmd::MODE_SELECTION && id <= cmd::MODE_LIAISON)) {
        etat.actif = true;
        return true;
    }
    switch (id) {
    case cmd::EFFACER:
        etat.actif = v.SelHandle != nullptr && v.Mode == 1;
        return true;
    case cmd::TOUT_EFFACER:
        etat.actif = g && g->LNb(0) > 0;
        return true;
    case cmd::ANNULER:
        etat.actif = g && g->LNb(1) > 0;
        return true;
    case cmd::NUMEROTATION:
        etat.actif = true;
        return true;
    default:
        return false;
    }
}

} // namespace edition
