// Text-editing mode: a click opens the dialog of the element there (the
// number of a step, the receptivity of a transition, the actions of a step,
// the text of a comment), or a new comment on empty ground.
#include <QApplication>

#include "Grafcet.h"
#include "dialogues/DialogueCommentaire.h"
#include "dialogues/TAction.h"
#include "dialogues/TEquation.h"
#include "dialogues/TNum.h"
#include "doc/TGrafDoc.h"
#include "edition/Edition.h"
#include "elements/SGrafcet.h"
#include "vue/veldraWindowView.h"

namespace edition {

namespace {

template <class Dialogue>
int Lance(Dialogue& d)
{
    return OuvreDialogue(d, [&d] { return d.Execute(); });
}

// The comment dialog on a 48-character buffer: only its content counts.
std::string Commentaire(veldraWindowView& v, std::string texte)
{
    DialogueCommentaire d(&v, &texte);
    Lance(d);
    return texte;
}

} // namespace

void PresseTexte(veldraWindowView& v, TPoint p)
{
    Grafcet* g = v.Doc->PGraf();
    if (!g)
        return;
    switch (g->LType(p)) {
    case AUCUN: {
        const std::string texte = Commentaire(v, "");
        if (!texte.empty()) {
            TPoint q = p;
            g->Ajoute(COMMENTAIRE, q, AUCUN, 0);
            g->MString(p, texte);
            v.Repeint();
        }
        break;
    }
    case ETAPE_INITIALE:
    case ETAPE:
    case MACRO:
    case MACRO_E:
    case MACRO_F: {
        short n = g->LNumero(p);
        TNum d(&v, &n);
        if (Lance(d) == 1) {
            g->MNumero(p, n);
            v.Repeint();
        }
        break;
    }
    case TRANSITION: {
        std::string s = g->LString(p);
        TEquation d(&v, &s);
        if (Lance(d) == 1) {
            g->MString(p, s);
            v.Repeint();
        }
        break;
    }
    case COMMENTAIRE: {
        const std::string texte = Commentaire(v, g->LString(p));
        if (!texte.empty())
            g->MString(p, texte);
        else
            g->Effacer(p, 0); // an emptied comment goes
        v.Repeint();
        break;
    }
    case ACTION: {
        std::string s = g->LString(p);
        TAction d(&v, &s);
        if (Lance(d) == 1) {
            g->MString(p, s);
            v.Repeint();
        }
        break;
    }
    default:
        QApplication::beep(); // bars, return links: nothing to edit
        break;
    }
    v.Modifie();
}

} // namespace edition
