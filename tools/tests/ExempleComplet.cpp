#include "ExempleComplet.h"

#include "EditeurSimule.h"
#include "Grafcet.h"
#include "elements/SGrafcet.h"

void DessineStructureComplete(Grafcet& g)
{
    EditeurSimule ed(g);
    ed.Clic(ETAPE_INITIALE, TPoint(100, 40));
    ed.Clic(TRANSITION, TPoint(100, 70));
    ed.Clic(MACRO, TPoint(100, 84));
    ed.Clic(TRANSITION, TPoint(100, 118));
    ed.Clic(ETAPE, TPoint(100, 128));
    ed.Clic(DIV_OU, TPoint(100, 160));
    ed.Clic(ETAPE, TPoint(100, 168));
    ed.Branche(ETAPE, TPoint(100, 168), TPoint(170, 175));
    ed.Clic(CONV_OU, TPoint(100, 210));
    ed.Relie(TPoint(100, 230), TPoint(170, 210));
    ed.Clic(ETAPE, TPoint(100, 232));
    ed.Clic(DIV_ET, TPoint(100, 262));
    ed.Clic(ETAPE, TPoint(100, 280));
    ed.Branche(ETAPE, TPoint(100, 280), TPoint(170, 290));
    ed.Clic(ETAPE, TPoint(170, 310));
    ed.Clic(CONV_ET, TPoint(100, 310));
    ed.Relie(TPoint(100, 316), TPoint(170, 355));
    ed.Retour(TPoint(100, 370), TPoint(60, 0), TPoint(100, 40));
    ed.Clic(MACRO_E, TPoint(300, 40));
    ed.Clic(TRANSITION, TPoint(300, 60));
    ed.Clic(ETAPE, TPoint(300, 74));
    ed.Clic(TRANSITION, TPoint(300, 108));
    ed.Clic(MACRO_F, TPoint(300, 120));
}

void ConstruitExempleComplet(Grafcet& g)
{
    DessineStructureComplete(g);
    g.NumEtape();

    // Receptivities of the transitions, in list order.
    const char* receptivites[] = {"e1",           "e2",       "e3",   "\xAF" "e3",
                                  "e4",           "e5",       "e6.\xAD" "e7",
                                  "t/x70/20",     "e8+e9",    "e10",  "e11"};
    std::size_t k = 0;
    for (const auto& s : g.Symboles()) {
        if (s->LType() == TRANSITION && k < sizeof receptivites / sizeof *receptivites)
            s->MString(receptivites[k++]);
    }
    // Actions beside the steps, by a point inside each action block.
    g.MString(TPoint(120, 150), "S1|");
    g.MString(TPoint(120, 200), "{e12}S2|");
    g.MString(TPoint(190, 200), "S3|M1=5|");
    g.MString(TPoint(120, 250), "S4|");
    g.MString(TPoint(120, 300), "S5|");
    g.MString(TPoint(190, 300), "S6|");
    g.MString(TPoint(190, 345), "S7|");
    g.MString(TPoint(320, 95), "S8|");
    TPoint p(200, 10);
    g.Ajoute(COMMENTAIRE, p, AUCUN);
    g.MString(p, "Divergences OU et ET, macro-\xE9tape");
}
