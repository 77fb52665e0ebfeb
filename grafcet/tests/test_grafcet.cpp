// The diagram container's lookups, marks, region selection, errors, states
// and numbering.
#include <gtest/gtest.h>

#include <memory>

#include "Grafcet.h"
#include "elements/Elements.h"

namespace {


// Initial step 1 at (100, 40) with its action block, a transition, step 2 with
// its action block, a transition, step 3 with its action block.
class Chaine : public ::testing::Test {
protected:
    void SetUp() override
    {
        TPoint p(100, 40);
        g.Ajoute(ETAPE_INITIALE, p, AUCUN);
        p = TPoint(100, 74);
        g.Ajoute(ETAPE, p, ETAPE_INITIALE);
        p = TPoint(100, 120);
        g.Ajoute(ETAPE, p, ETAPE);
    }
    Grafcet g;
};

TEST_F(Chaine, LookupsByPositionAnswerTheFirstElementInListOrder)
{
    // Element table: 0 step(40..74), 1 action, 2 transition(74..86), 3 step(86..120),
    // 4 action, 5 transition(120..132), 6 step(132..166), 7 action.
    ASSERT_EQ(g.Symboles().size(), 8u);
    EXPECT_EQ(g.LType(TPoint(100, 74)), TRANSITION); // a step's attach point is the next anchor
    EXPECT_EQ(g.LType(TPoint(100, 73)), ETAPE_INITIALE);
    EXPECT_EQ(g.LType(TPoint(500, 500)), AUCUN);
    EXPECT_FALSE(g.Test(TPoint(500, 500)));
    EXPECT_EQ(g.LSymb(TPoint(500, 500)), nullptr);
    EXPECT_EQ(g.LNumero(TPoint(100, 90)), 1);
    EXPECT_EQ(g.LNumero(TPoint(100, 75)), -1); // a transition has no number
    EXPECT_EQ(g.LNumero(TPoint(500, 500)), -1);
    g.MNumero(TPoint(100, 90), 7);
    EXPECT_EQ(g.LNumero(TPoint(100, 90)), 7);
    EXPECT_EQ(g.LString(TPoint(100, 75)), "1");
    EXPECT_EQ(g.LString(TPoint(100, 90)), "");
    g.MString(TPoint(100, 75), "a.b");
    EXPECT_EQ(g.LString(TPoint(100, 75)), "a.b");

    TPoint p(95, 100);
    short type = 99;
    EXPECT_TRUE(g.coord(p, type));
    EXPECT_EQ(p, TPoint(100, 120));
    EXPECT_EQ(type, ETAPE);
    p = TPoint(500, 500);
    EXPECT_FALSE(g.coord(p, type));
    EXPECT_EQ(type, AUCUN);

    p = TPoint(95, 100);
    EXPECT_TRUE(g.LDebut(p, type));
    EXPECT_EQ(p, TPoint(100, 86));
    type = 42;
    p = TPoint(500, 500);
    EXPECT_FALSE(g.LDebut(p, type));
    EXPECT_EQ(type, 42);

    p = TPoint(95, 100);
    EXPECT_TRUE(g.CoordG(p, type));
    EXPECT_EQ(p, TPoint(110, 86));

    p = TPoint(100, 150);
    g.LPremierS(p);
    EXPECT_EQ(p, TPoint(100, 40)); // climbed to the head of the chain

    short xmin = -1, xmax = -1;
    p = TPoint(100, 80);
    g.LLiaison(p, xmin, xmax);
    EXPECT_EQ(p.y, 75);
    EXPECT_EQ(xmin, 96);
    EXPECT_EQ(xmax, 110);
}

TEST_F(Chaine, LookupsByTypeAndRank)
{
    g.Place<Macro>(300, 40)->MNumero(3);
    g.Place<Macro>(300, 100)->MNumero(0);
    EXPECT_EQ(g.LNbSymb(ETAPE), 3); // initial steps count as steps
    EXPECT_EQ(g.LNbSymb(ETAPE_INITIALE), 1);
    EXPECT_EQ(g.LNbSymb(AUCUN), 10);
    EXPECT_EQ(g.LSymb(0, ETAPE)->LType(), ETAPE_INITIALE);
    EXPECT_EQ(g.LSymb(3, MACRO)->LY(), 40); // by number, not by rank
    EXPECT_EQ(g.LSymb(1, MACRO), nullptr);
    EXPECT_EQ(g.LSymb(5, ETAPE), nullptr);
    EXPECT_EQ(g.Rang(TPoint(100, 140), ETAPE), 2);
    EXPECT_EQ(g.Rang(TPoint(100, 140), TRANSITION), 2);
    EXPECT_EQ(g.Rang(TPoint(900, 900), ETAPE), 3);
}

TEST(Grafcet, NearestElementForSnapping)
{
    Grafcet g;
    short dist = 50;
    TPoint meilleur(-5, -5);
    g.SEL(TPoint(10, 10), dist, meilleur);
    EXPECT_EQ(dist, 50);
    EXPECT_EQ(meilleur, TPoint(-5, -5));

    g.Place<Etape>(1, 100, 40);
    g.Place<Etape>(1, 100, 40); // a tie keeps the earlier element
    g.Place<Transition>(200, 40);
    g.SEL(TPoint(103, 45), dist, meilleur);
    EXPECT_EQ(dist, 8);
    EXPECT_EQ(meilleur, TPoint(100, 41));
    EXPECT_EQ(g.Symboles()[0].get(), g.LSymb(TPoint(100, 41)));
}

TEST_F(Chaine, StepAndItsActionBlockShareOneRectangle)
{
    TRect r;
    EXPECT_TRUE(g.LRect(TPoint(100, 100), r)); // on step 2
    EXPECT_EQ(r, TRect(90, 86, 149, 120));
    EXPECT_TRUE(g.LRect(TPoint(120, 100), r)); // on its action block
    EXPECT_EQ(r, TRect(90, 86, 149, 120));
    EXPECT_TRUE(g.LRect(TPoint(100, 80), r)); // a transition alone
    EXPECT_EQ(r, TRect(96, 74, 110, 86));
    EXPECT_FALSE(g.LRect(TPoint(900, 900), r));

    Grafcet seule;
    seule.Place<Etape>(1, 0, 0);
    EXPECT_FALSE(seule.LRect(TPoint(0, 10), r)); // a step with no action block after it
    EXPECT_EQ(r, TRect(-10, 0, 10, 34));
}

TEST_F(Chaine, MarkingAStepMarksItsActionBlock)
{
    g.SetModif(TPoint(100, 100), 1);
    EXPECT_EQ(g.Symboles()[3]->LitModif(), 1);
    EXPECT_EQ(g.Symboles()[4]->LitModif(), 1);
    EXPECT_EQ(g.Symboles()[6]->LitModif(), 0);
    g.SetModif(TPoint(100, 100), 1); // already marked: nothing changes
    int marques = 0;
    for (const auto& s : g.Symboles())
        marques += s->LitModif() != 0;
    EXPECT_EQ(marques, 2);
    g.Deplace(5, 10);
    EXPECT_EQ(g.Symboles()[3]->LAncre(), TPoint(105, 96));
    EXPECT_EQ(g.Symboles()[4]->LAncre(), TPoint(119, 106));
    EXPECT_EQ(g.Symboles()[2]->LAncre(), TPoint(100, 74));
    for (const auto& s : g.Symboles())
        EXPECT_EQ(s->LitModif(), 0);
}

TEST_F(Chaine, RegionSelectionByAnchors)
{
    TRect limites(1, 2, 3, 4);
    EXPECT_FALSE(g.LRegion(TRect(500, 500, 600, 600), limites));
    EXPECT_EQ(limites, TRect(1, 2, 3, 4));
    // Only the action block of step 2 has its anchor (114, 96) in the rectangle.
    EXPECT_TRUE(g.LRegion(TRect(111, 90, 120, 100), limites));
    EXPECT_EQ(g.Symboles()[4]->LitModif(), 3);
    EXPECT_EQ(g.Symboles()[3]->LitModif(), 0);
    EXPECT_EQ(limites, TRect(110, 96, 149, 116));
    // Edges count; the bounds cover every element selected.
    EXPECT_TRUE(g.LRegion(TRect(100, 74, 100, 86), limites));
    EXPECT_EQ(limites, TRect(90, 74, 110, 120));
    EXPECT_FALSE(g.TestRegion(TRect(100, 74, 114, 96))); // everything there is marked
    EXPECT_TRUE(g.TestRegion(TRect(100, 40, 100, 40)));
    g.RazModif();
    EXPECT_TRUE(g.TestRegion(TRect(100, 74, 100, 74)));
}

TEST_F(Chaine, ErrorMarksAndErrorLabels)
{
    g.RazErreur(); // nothing set: still fine
    g.EErreur(TPoint(100, 80));
    g.EErreur(TPoint(900, 900));
    EXPECT_EQ(g.Symboles()[2]->LErreur(), 1);
    g.RazErreur();
    for (const auto& s : g.Symboles())
        EXPECT_EQ(s->LErreur(), 0);
    EXPECT_TRUE(g.Erreurs().empty());
}

TEST(Grafcet, ActiveStatesFollowTheStateVector)
{
    Grafcet g;
    g.Place<Etape>(1, 0, 0);
    g.Place<Etape>(0, 0, 100);
    g.Place<Etape>(1, 0, 200);
    g.Place<Macro>(100, 0);
    g.Place<MacroE>(200, 0);
    g.Place<MacroF>(200, 100);
    const char etats[6] = {0, 0, 1, 1, 0, 1};
    g.SetEtat(etats);
    auto actif = [&](std::size_t i) {
        const SGrafcet* s = g.Symboles()[i].get();
        if (auto* e = dynamic_cast<const Etape*>(s))
            return e->LEtat();
        if (auto* m = dynamic_cast<const Macro*>(s))
            return m->LEtat();
        if (auto* me = dynamic_cast<const MacroE*>(s))
            return me->LEtat();
        return dynamic_cast<const MacroF*>(s)->LEtat();
    };
    EXPECT_FALSE(actif(0));
    EXPECT_FALSE(actif(1));
    EXPECT_TRUE(actif(2));  // byte 2: the third step
    EXPECT_TRUE(actif(5));  // byte 3: the exit element
    EXPECT_FALSE(actif(4)); // byte 4: the entry element
    EXPECT_TRUE(actif(3));  // byte 5: the macro-step
    g.RazEtat();
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_FALSE(actif(i));
    g.SetEtat(etats);
    g.SetEtat(nullptr);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_FALSE(actif(i));
}

TEST(Grafcet, RenumberingFollowsListOrder)
{
    Grafcet g;
    g.Place<Transition>(0, 0);
    g.Place<Etape>(0, 0, 100);
    g.Place<Etape>(1, 0, 200)->MNumero(3);
    g.Place<Macro>(100, 0)->MNumero(4);
    g.NumEtape();
    EXPECT_EQ(g.Symboles()[1]->LNumero(), 10);
    EXPECT_EQ(g.Symboles()[2]->LNumero(), 20);
    EXPECT_EQ(g.Symboles()[3]->LNumero(), 4); // macro-steps keep theirs
}

TEST(Grafcet, BranchEnumerationMarksWhatItReturns)
{
    Grafcet g;
    TPoint p(100, 40);
    g.Ajoute(ETAPE, p, AUCUN);
    p = TPoint(100, 74);
    g.Ajoute(DIV_ET, p, ETAPE); // transition 74..86, bar 86..88
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(100, 88), TPoint(100, 86));
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(160, 88), TPoint(100, 86));

    TPoint lp;
    ASSERT_EQ(g.LDivergence(lp = TPoint(100, 87)), 2);
    EXPECT_EQ(lp, TPoint(160, 88));
    EXPECT_EQ(g.LDivergence(0, 2, lp), TPoint(100, 88));
    EXPECT_EQ(g.LDivergence(1, 2, lp), TPoint(160, 88));
    EXPECT_EQ(g.LDivergence(2, 2, lp), TPoint(98, 88)); // none left: the bar's left end
    g.RazModif();
    EXPECT_EQ(g.LDivergence(0, 2, lp), TPoint(100, 88));

    // The branch ends arriving on a convergence, in list order.
    Grafcet c;
    c.Place<Etape>(1, 100, 0);
    c.Place<Etape>(1, 160, 0);
    c.Place<ConvEt>(TPoint(100, 34), TRect(98, 34, 162, 36), 2);
    EXPECT_EQ(c.LConvergence(0, 2, TPoint(100, 34)), TPoint(100, 34));
    EXPECT_EQ(c.LConvergence(1, 2, TPoint(100, 34)), TPoint(160, 34));
    EXPECT_EQ(c.LConvergence(2, 2, TPoint(100, 34)), TPoint(98, 34));
}

} // namespace
