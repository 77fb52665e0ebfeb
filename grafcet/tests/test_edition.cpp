// Chain editing: adding, inserting, branches, deleting and recovering, the
// counters, and ownership of the elements through all of it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Grafcet.h"
#include "elements/Elements.h"

namespace {

struct Vu {
    short type;
    TPoint ancre;
    int bas;
};

// The element table as (type, anchor, bottom), in list order.
std::vector<Vu> Table(const Grafcet& g)
{
    std::vector<Vu> t;
    for (const auto& s : g.Symboles())
        t.push_back({s->LType(), s->LAncre(), s->LRect().bottom});
    return t;
}

void AttendTable(const Grafcet& g, const std::vector<Vu>& attendu)
{
    const auto t = Table(g);
    ASSERT_EQ(t.size(), attendu.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t[i].type, attendu[i].type);
        EXPECT_EQ(t[i].ancre, attendu[i].ancre);
        EXPECT_EQ(t[i].bas, attendu[i].bas);
    }
}

struct CasAjout {
    const char* nom;
    short type;
    short precedent;
    std::vector<Vu> attendu; // from p = (100, 100)
    TPoint pApres;
    short compte;
};

TEST(Ajoute, InsertsTheMissingTransitionOrStep)
{
    const CasAjout cas[] = {
        {"step below a step", ETAPE, ETAPE,
         {{TRANSITION, {100, 100}, 112}, {ETAPE, {100, 112}, 146}, {ACTION, {114, 122}, 142}},
         {100, 112}, 1},
        {"step after a macro entry", ETAPE, MACRO_E,
         {{TRANSITION, {100, 100}, 112}, {ETAPE, {100, 112}, 146}, {ACTION, {114, 122}, 142}},
         {100, 112}, 1},
        {"step under an AND divergence", ETAPE, DIV_ET,
         {{ETAPE, {100, 100}, 134}, {ACTION, {114, 110}, 130}}, {100, 134}, 1},
        {"initial step alone", ETAPE_INITIALE, AUCUN,
         {{ETAPE_INITIALE, {100, 100}, 134}, {ACTION, {114, 110}, 130}}, {100, 134}, 2},
        {"transition below a transition", TRANSITION, TRANSITION,
         {{ETAPE, {100, 100}, 134}, {ACTION, {114, 110}, 130}, {TRANSITION, {100, 134}, 146}},
         {100, 134}, 1},
        {"transition below a step", TRANSITION, ETAPE, {{TRANSITION, {100, 100}, 112}}, {100, 112}, 1},
        {"OR divergence below a step", DIV_OU, ETAPE, {{DIV_OU, {100, 100}, 103}}, {100, 103}, 1},
        {"OR divergence below a transition", DIV_OU, TRANSITION, {}, {100, 100}, 1},
        {"OR convergence below a step", CONV_OU, ETAPE,
         {{TRANSITION, {100, 100}, 112}, {CONV_OU, {100, 112}, 118}}, {100, 112}, 1},
        {"AND divergence at a free point", DIV_ET, AUCUN,
         {{TRANSITION, {100, 100}, 112}, {DIV_ET, {100, 112}, 114}}, {100, 112}, 1},
        {"AND divergence below a transition", DIV_ET, TRANSITION, {{DIV_ET, {100, 100}, 102}},
         {100, 102}, 1},
        {"AND convergence below a step", CONV_ET, ETAPE,
         {{CONV_ET, {100, 100}, 102}, {TRANSITION, {100, 102}, 114}}, {100, 114}, 1},
        {"AND convergence below a transition", CONV_ET, TRANSITION, {}, {100, 100}, 1},
        {"macro-step", MACRO, TRANSITION, {{MACRO, {100, 100}, 134}}, {100, 134}, 1},
        {"macro exit", MACRO_F, TRANSITION, {{MACRO_F, {100, 100}, 124}}, {100, 124}, 1},
        {"comment stays at its anchor", COMMENTAIRE, AUCUN, {{COMMENTAIRE, {100, 100}, 120}},
         {100, 100}, 1},
        {"return link has no rule here", RETOUR, ETAPE, {}, {100, 100}, 1},
        {"action block has no rule here", ACTION, ETAPE, {}, {100, 100}, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Grafcet g;
        TPoint p(100, 100);
        g.Ajoute(c.type, p, c.precedent, 0);
        AttendTable(g, c.attendu);
        EXPECT_EQ(p, c.pApres);
        EXPECT_EQ(g.LNb(0), c.compte);
    }
}

TEST(Ajoute, StepAfterAnAndDivergenceEndsOnItsAttachPoint)
{
    Grafcet g;
    TPoint p(100, 100);
    g.Ajoute(ETAPE, p, DIV_ET);
    EXPECT_EQ(p, TPoint(100, 134));
}

TEST(CEInsere, HeightsByTypeAndPreviousType)
{
    Grafcet g;
    struct Cas {
        short type, precedent, hauteur;
    };
    const Cas cas[] = {{ETAPE, ETAPE, 46}, {ETAPE, TRANSITION, 34}, {ETAPE_INITIALE, ETAPE_INITIALE, 46},
                       {TRANSITION, TRANSITION, 46}, {TRANSITION, ETAPE, 12}, {DIV_OU, ETAPE, 3},
                       {CONV_OU, AUCUN, 6}, {DIV_ET, AUCUN, 2}, {CONV_ET, AUCUN, 2},
                       {MACRO, TRANSITION, 34}, {MACRO_E, AUCUN, 0}, {RETOUR, AUCUN, 0},
                       {AUCUN, AUCUN, 0}};
    for (const auto& c : cas) {
        short dx = 9, dy = 9;
        g.CEInsere(dx, dy, c.type, c.precedent);
        EXPECT_EQ(dx, 0);
        EXPECT_EQ(dy, c.hauteur) << c.type << " after " << c.precedent;
    }
}

// Initial step at (100, 40), then step 2 and step 3 added below, each with
// its automatic transition: 0 step 40..74, 1 action, 2 T 74..86, 3 step
// 86..120, 4 action, 5 T 120..132, 6 step 132..166, 7 action.
class Chaine : public ::testing::Test {
protected:
    void SetUp() override
    {
        vivants = SGrafcet::NbVivants();
        TPoint p(100, 40);
        g = std::make_unique<Grafcet>();
        g->Ajoute(ETAPE_INITIALE, p, AUCUN);
        p = TPoint(100, 74);
        g->Ajoute(ETAPE, p, ETAPE_INITIALE);
        p = TPoint(100, 120);
        g->Ajoute(ETAPE, p, ETAPE);
    }
    void TearDown() override
    {
        g.reset();
        EXPECT_EQ(SGrafcet::NbVivants(), vivants) << "elements leaked or destroyed twice";
    }
    long vivants = 0;
    std::unique_ptr<Grafcet> g;
};

TEST_F(Chaine, InsertPushesTheChainDown)
{
    // A macro-step inserted at the attach point of the first transition.
    TPoint p(100, 86);
    g->Insere(MACRO, p, TRANSITION, p);
    AttendTable(*g, {{ETAPE_INITIALE, {100, 40}, 74},
                     {ACTION, {114, 50}, 70},
                     {TRANSITION, {100, 74}, 86},
                     {ETAPE, {100, 120}, 154},
                     {ACTION, {114, 130}, 150},
                     {TRANSITION, {100, 154}, 166},
                     {ETAPE, {100, 166}, 200},
                     {ACTION, {114, 176}, 196},
                     {MACRO, {100, 86}, 120}});
    for (const auto& s : g->Symboles())
        EXPECT_EQ(s->LitModif(), 0);
}

TEST_F(Chaine, InsertOfTheSameTypeChangesNothing)
{
    g->SetModif(TPoint(100, 140), 2);
    TPoint p(100, 86);
    const auto avant = Table(*g);
    g->Insere(ETAPE, p, ETAPE, p);
    EXPECT_EQ(Table(*g).size(), avant.size());
    EXPECT_EQ(g->Symboles()[6]->LitModif(), 2); // not even the marks
    EXPECT_EQ(g->LNb(0), 4);
}

TEST_F(Chaine, DeletingAStepTakesItsActionBlockAndRecoverBringsBoth)
{
    g->Effacer(TPoint(100, 100), 0); // step 2
    ASSERT_EQ(g->Effaces().size(), 2u);
    EXPECT_EQ(g->Effaces()[0]->LType(), ETAPE);
    EXPECT_EQ(g->Effaces()[1]->LType(), ACTION);
    EXPECT_EQ(g->LNb(1), 2);
    EXPECT_EQ(g->LNb(0), 2);
    // The chain below moved up by a step's height.
    EXPECT_EQ(g->Symboles()[3]->LAncre(), TPoint(100, 86));
    g->Recupere();
    EXPECT_EQ(g->Symboles().size(), 8u);
    EXPECT_TRUE(g->Effaces().empty());
    EXPECT_EQ(g->LNb(0), 2);
    EXPECT_EQ(g->LNb(1), 0);
    // Its place was taken: the chain made room again.
    EXPECT_EQ(g->Symboles()[6]->LType(), ETAPE);
    EXPECT_EQ(g->Symboles()[6]->LAncre(), TPoint(100, 86));
    EXPECT_EQ(g->Symboles()[3]->LAncre(), TPoint(100, 120));
}

TEST_F(Chaine, DeletingAnActionBlockAlsoDeletesItsStep)
{
    g->Effacer(TPoint(120, 100), 0);
    ASSERT_EQ(g->Effaces().size(), 2u);
    EXPECT_EQ(g->Effaces()[0]->LType(), ACTION);
    EXPECT_EQ(g->Effaces()[1]->LType(), ETAPE);
}

TEST_F(Chaine, DeletingAMiddleTransitionPullsTheChainUp)
{
    g->Effacer(TPoint(100, 125), 0); // second transition 120..132
    AttendTable(*g, {{ETAPE_INITIALE, {100, 40}, 74},
                     {ACTION, {114, 50}, 70},
                     {TRANSITION, {100, 74}, 86},
                     {ETAPE, {100, 86}, 120},
                     {ACTION, {114, 96}, 116},
                     {ETAPE, {100, 120}, 154},
                     {ACTION, {114, 130}, 150}});
}

TEST_F(Chaine, DeletingTheHeadOfAChainLeavesTheRestInPlace)
{
    g->Effacer(TPoint(100, 50), 0);
    EXPECT_EQ(g->Symboles().size(), 6u);
    EXPECT_EQ(g->Symboles()[0]->LAncre(), TPoint(100, 74));
}

TEST_F(Chaine, OnlyTheLastDeletionIsRecovered)
{
    g->Effacer(TPoint(100, 150), 0);  // step 3 and its action block
    g->Effacer(TPoint(100, 80), 0);   // first transition
    ASSERT_EQ(g->Effaces().size(), 1u);
    g->Recupere();
    EXPECT_EQ(g->Symboles().size(), 6u);
    EXPECT_EQ(g->Symboles().back()->LType(), TRANSITION);
}

TEST_F(Chaine, ClearAllThenRecoverRestoresEverythingInOrder)
{
    const auto avant = Table(*g);
    g->EffaceTout();
    EXPECT_TRUE(g->Symboles().empty());
    EXPECT_EQ(g->LNb(0), 0);
    EXPECT_EQ(g->LNb(1), 8);
    g->Recupere();
    const auto apres = Table(*g);
    ASSERT_EQ(apres.size(), avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i) {
        EXPECT_EQ(apres[i].type, avant[i].type);
        EXPECT_EQ(apres[i].ancre, avant[i].ancre);
    }
    EXPECT_EQ(g->LNb(0), 8);
}

TEST_F(Chaine, DeletingTheSelectionTakesMarkedElementsOnly)
{
    TRect limites;
    ASSERT_TRUE(g->LRegion(TRect(90, 70, 120, 100), limites)); // T, step 2, its action block
    g->Effacer();
    EXPECT_EQ(g->Effaces().size(), 3u);
    EXPECT_EQ(g->Symboles().size(), 5u);
    EXPECT_EQ(g->Symboles()[2]->LAncre(), TPoint(100, 120)); // no gap closed
    EXPECT_EQ(g->LNb(1), 3);
}

TEST_F(Chaine, NewDeletionDestroysThePreviousOne)
{
    const long avant = SGrafcet::NbVivants();
    g->Effacer(TPoint(100, 150), 0);
    EXPECT_EQ(SGrafcet::NbVivants(), avant);
    g->Effacer(TPoint(100, 80), 0);
    EXPECT_EQ(SGrafcet::NbVivants(), avant - 2);
    g->EffaceTout();
    EXPECT_EQ(SGrafcet::NbVivants(), avant - 3);
}

// A step at (100, 40), then an AND divergence with three branches of one
// step each, closed on an AND convergence.
class TroisBranches : public ::testing::Test {
protected:
    void SetUp() override
    {
        TPoint p(100, 40);
        g.Ajoute(ETAPE, p, AUCUN);
        p = TPoint(100, 74);
        g.Ajoute(DIV_ET, p, ETAPE); // T 74..86, bar 86..88
        for (int x : {100, 150, 200})
            g.AjouteDiv(ETAPE, DIV_ET, TPoint(x, 88), TPoint(100, 86));
        p = TPoint(100, 122);
        g.Ajoute(CONV_ET, p, ETAPE); // bar 122..124, T 124..136
        g.AjouteConv(ETAPE, CONV_ET, TPoint(100, 122), TPoint(150, 121));
        g.AjouteConv(ETAPE, CONV_ET, TPoint(100, 122), TPoint(200, 121));
    }
    SGrafcet* Barre(short type)
    {
        for (const auto& s : g.Symboles())
            if (s->LType() == type)
                return s.get();
        return nullptr;
    }
    Grafcet g;
};

TEST_F(TroisBranches, BranchesExtendTheBars)
{
    EXPECT_EQ(Barre(DIV_ET)->LNbLiaison(), 3);
    EXPECT_EQ(Barre(DIV_ET)->LRect().right, 202);
    EXPECT_EQ(Barre(CONV_ET)->LNbLiaison(), 3);
    EXPECT_EQ(Barre(CONV_ET)->LRect().right, 202);
}

TEST_F(TroisBranches, RemovingTheRightmostBranchShortensBothBars)
{
    g.Effacer(TPoint(200, 100), 0);
    EXPECT_EQ(Barre(DIV_ET)->LNbLiaison(), 2);
    EXPECT_EQ(Barre(DIV_ET)->LRect().right, 152); // middle branch + 2
    EXPECT_EQ(Barre(CONV_ET)->LNbLiaison(), 2);
    EXPECT_EQ(Barre(CONV_ET)->LRect().right, 150);
}

TEST(AjouteConv, BranchEndingAboveIsStretchedBelowPushesTheBarDown)
{
    // Two AND branches: the left one step long (88..122), the right one two
    // steps and a transition long (88..168).
    Grafcet g;
    TPoint p(100, 40);
    g.Ajoute(ETAPE, p, AUCUN);
    p = TPoint(100, 74);
    g.Ajoute(DIV_ET, p, ETAPE);
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(100, 88), TPoint(100, 86));
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(160, 88), TPoint(100, 86));
    p = TPoint(160, 122);
    g.Ajoute(ETAPE, p, ETAPE); // T 122..134, step 134..168

    // Convergence under the long branch, short branch linked: it is stretched down.
    p = TPoint(160, 168);
    g.Ajoute(CONV_ET, p, ETAPE);
    g.AjouteConv(ETAPE, CONV_ET, TPoint(160, 168), TPoint(100, 121));
    EXPECT_EQ(g.LSymb(TPoint(100, 100))->LRect().bottom, 168);

    // Convergence under the short branch, long branch linked: the bar and
    // its transition move down to the long branch's end.
    Grafcet h;
    p = TPoint(100, 40);
    h.Ajoute(ETAPE, p, AUCUN);
    p = TPoint(100, 74);
    h.Ajoute(DIV_ET, p, ETAPE);
    h.AjouteDiv(ETAPE, DIV_ET, TPoint(100, 88), TPoint(100, 86));
    h.AjouteDiv(ETAPE, DIV_ET, TPoint(160, 88), TPoint(100, 86));
    p = TPoint(160, 122);
    h.Ajoute(ETAPE, p, ETAPE);
    p = TPoint(100, 122);
    h.Ajoute(CONV_ET, p, ETAPE); // bar 122..124, T 124..136
    h.AjouteConv(ETAPE, CONV_ET, TPoint(100, 122), TPoint(160, 167));
    const SGrafcet* barre = nullptr;
    for (const auto& s : h.Symboles())
        if (s->LType() == CONV_ET)
            barre = s.get();
    ASSERT_TRUE(barre);
    EXPECT_EQ(barre->LAncre(), TPoint(100, 168));
    EXPECT_EQ(barre->LNbLiaison(), 2);
    EXPECT_EQ(h.LSymb(TPoint(100, 100))->LRect().bottom, 168); // the short branch follows
    EXPECT_EQ(h.LType(TPoint(100, 170)), TRANSITION);
}

SGrafcet* Premier(const Grafcet& g, short type)
{
    for (const auto& s : g.Symboles())
        if (s->LType() == type)
            return s.get();
    return nullptr;
}

TEST(Insere, InsertingAboveADivergenceMovesEveryBranchAndKeepsThemClosed)
{
    // Two AND branches, step-transition-step on the left and one step on the
    // right, closed on a convergence: the short one is stretched by 46.
    // Inserting a step (46 with its transition) below the initial step must
    // move the whole structure, not be absorbed by the short branch.
    Grafcet g;
    TPoint p(100, 40);
    g.Ajoute(ETAPE_INITIALE, p, AUCUN);
    p = TPoint(100, 74);
    g.Ajoute(DIV_ET, p, ETAPE_INITIALE); // T 74..86, bar 86..88
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(100, 88), TPoint(100, 86));
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(160, 88), TPoint(100, 86));
    p = TPoint(100, 122);
    g.Ajoute(ETAPE, p, ETAPE); // long branch ends at 168
    p = TPoint(100, 168);
    g.Ajoute(CONV_ET, p, ETAPE);
    g.AjouteConv(ETAPE, CONV_ET, TPoint(100, 168), TPoint(160, 121));
    SGrafcet* courte = g.LSymb(TPoint(160, 100));
    ASSERT_EQ(courte->LRect().bottom - courte->LY() - courte->TailleMin(), 46);

    p = TPoint(100, 74);
    g.Insere(ETAPE, p, ETAPE_INITIALE, p);
    const SGrafcet* conv = Premier(g, CONV_ET);
    EXPECT_EQ(Premier(g, DIV_ET)->LY(), 86 + 46);
    EXPECT_EQ(conv->LY(), 168 + 46);
    EXPECT_EQ(courte->LY(), 88 + 46);
    EXPECT_EQ(courte->LRect().bottom, conv->LY()); // the short branch still reaches the bar
    EXPECT_EQ(g.LType(TPoint(100, 168 + 46 - 1)), ETAPE); // so does the long one
}

TEST(Insere, AStretchedTransitionTakesBackTheStepDeletedAboveIt)
{
    // Two OR branches of transition, step, transition, closed on a bar.
    Grafcet g;
    TPoint p(100, 40);
    g.Ajoute(ETAPE, p, AUCUN);
    p = TPoint(100, 74);
    g.Ajoute(DIV_OU, p, ETAPE); // bar 74..77
    for (int x : {100, 160}) {
        g.AjouteDiv(ETAPE, DIV_OU, TPoint(x, 77), TPoint(100, 76)); // T 77..89, step 89..123
        p = TPoint(x, 123);
        g.Ajoute(TRANSITION, p, ETAPE); // T 123..135
    }
    p = TPoint(100, 135);
    g.Ajoute(CONV_OU, p, TRANSITION); // bar 135..141
    g.AjouteConv(TRANSITION, CONV_OU, TPoint(100, 135), TPoint(160, 134));
    const auto avant = Table(g);

    // Deleting the left step: the other branch cannot shrink, so the bar
    // stays and the left branch's last transition stretches up by 34.
    g.Effacer(TPoint(100, 100), 0);
    SGrafcet* t = g.LSymb(TPoint(100, 100));
    ASSERT_EQ(t->LType(), TRANSITION);
    EXPECT_EQ(t->LY(), 89);
    EXPECT_EQ(t->LRect().bottom, 135);

    // Inserting a step there again: the transition gives its slack back.
    p = TPoint(100, 89);
    g.Insere(ETAPE, p, TRANSITION, p);
    EXPECT_EQ(t->LY(), 123);
    EXPECT_EQ(t->LRect().bottom, 135);
    EXPECT_EQ(g.LType(TPoint(100, 135)), CONV_OU); // the bar stayed
    EXPECT_EQ(g.LType(TPoint(100, 100)), ETAPE);
    EXPECT_EQ(Table(g).size(), avant.size());
}

TEST(Effacer, ABranchThatCannotShrinkHoldsTheConvergence)
{
    // Two OR branches of one step each; deleting the left branch's step
    // cannot pull the bar up, since the right branch has no slack: the bar
    // and everything below it stay, the left branch's transition stretches.
    Grafcet g;
    TPoint p(100, 40);
    g.Ajoute(ETAPE, p, AUCUN);
    p = TPoint(100, 74);
    g.Ajoute(DIV_OU, p, ETAPE); // bar 74..77
    g.AjouteDiv(ETAPE, DIV_OU, TPoint(100, 77), TPoint(100, 76)); // T 77..89, step 89..123
    g.AjouteDiv(ETAPE, DIV_OU, TPoint(160, 77), TPoint(100, 76));
    p = TPoint(100, 123);
    g.Ajoute(CONV_OU, p, ETAPE); // T 123..135, bar 135..141
    p = TPoint(160, 123);
    g.Ajoute(TRANSITION, p, ETAPE);
    g.AjouteConv(TRANSITION, CONV_OU, TPoint(100, 135), TPoint(160, 134));
    p = TPoint(100, 141);
    g.Ajoute(ETAPE, p, CONV_OU); // step below the bar 141..175

    g.Effacer(TPoint(100, 100), 0);
    EXPECT_EQ(g.LType(TPoint(100, 136)), CONV_OU);
    EXPECT_EQ(g.LType(TPoint(100, 150)), ETAPE); // what follows stayed
    const SGrafcet* t = g.LSymb(TPoint(100, 120));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->LType(), TRANSITION);
    EXPECT_EQ(t->LRect().bottom, 135);
    for (const auto& s : g.Symboles())
        EXPECT_EQ(s->LitModif(), 0);
}

TEST(Ajoute, EveryCallCountsEvenWhenNothingIsAdded)
{
    Grafcet g;
    TPoint p(0, 0);
    g.Ajoute(ETAPE_INITIALE, p, AUCUN);
    g.Ajoute(CONV_ET, p, TRANSITION);
    g.Ajoute(RETOUR, p, ETAPE);
    EXPECT_EQ(g.LNb(0), 4);
    g.AjouteRetour(TPoint(0, 100), TPoint(-30, 0), TPoint(0, 0));
    EXPECT_EQ(g.LNb(0), 4);
    EXPECT_EQ(g.Symboles().back()->LType(), RETOUR);
}

TEST(LXmax, RightmostBranchColumnAtALevel)
{
    Grafcet g;
    auto e = std::make_unique<Etape>(1, 100, 50);
    g.AjouteSymbole(std::move(e));
    g.AjouteSymbole(std::make_unique<Etape>(1, 150, 50));
    g.AjouteSymbole(std::make_unique<Etape>(1, 200, 16)); // its bottom is at 50
    g.AjouteSymbole(std::make_unique<Etape>(1, 300, 50));
    EXPECT_EQ(g.LXmax(98, 250, 999, 50), 200);
    EXPECT_EQ(g.LXmax(98, 250, 200, 50), 150);
    EXPECT_EQ(g.LXmax(98, 140, 999, 50), 118); // nothing beyond x + 20 within the limit
}

} // namespace

namespace {

TEST(AjouteDiv, BranchesStartWithTheRightElement)
{
    struct Cas {
        const char* nom;
        short type, typeDiv;
        std::vector<short> ajoutes;
    };
    const Cas cas[] = {
        {"OR branch with the step tool starts with a transition", ETAPE, DIV_OU,
         {TRANSITION, ETAPE, ACTION}},
        {"OR branch with the transition tool", TRANSITION, DIV_OU, {TRANSITION}},
        {"AND branch with the transition tool starts with a step", TRANSITION, DIV_ET,
         {ETAPE, ACTION, TRANSITION}},
        {"AND branch with the step tool", ETAPE, DIV_ET, {ETAPE, ACTION}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Grafcet g;
        SGrafcet* barre = c.typeDiv == DIV_OU ? static_cast<SGrafcet*>(g.Place<DivOu>(100, 100))
                                              : static_cast<SGrafcet*>(g.Place<DivEt>(100, 100));
        const TPoint branche(170, barre->LRect().bottom);
        g.AjouteDiv(c.type, c.typeDiv, branche, TPoint(100, 100));
        EXPECT_EQ(barre->LNbLiaison(), 1);
        EXPECT_EQ(barre->LRect().right, c.typeDiv == DIV_ET ? 172 : 170);
        ASSERT_EQ(g.Symboles().size(), c.ajoutes.size() + 1);
        for (std::size_t i = 0; i < c.ajoutes.size(); ++i)
            EXPECT_EQ(g.Symboles()[i + 1]->LType(), c.ajoutes[i]);
        EXPECT_EQ(g.Symboles()[1]->LAncre(), branche);
    }
}

TEST(Insere, ADivergenceInsertedInAChainCountsItAsItsFirstBranch)
{
    Grafcet g;
    TPoint p(100, 40);
    g.Ajoute(ETAPE, p, AUCUN);
    p = TPoint(100, 74);
    g.Ajoute(ETAPE, p, ETAPE); // T 74..86, step 86..120
    p = TPoint(100, 120);
    g.Ajoute(TRANSITION, p, ETAPE); // T 120..132
    p = TPoint(100, 120);
    g.Insere(DIV_OU, p, ETAPE, p);
    const SGrafcet* div = g.LSymb(TPoint(100, 122));
    ASSERT_TRUE(div);
    ASSERT_EQ(div->LType(), DIV_OU);
    EXPECT_EQ(div->LRect(), TRect(100, 120, 140, 123));
    EXPECT_EQ(div->LNbLiaison(), 1);
    EXPECT_EQ(g.LType(TPoint(100, 123)), TRANSITION); // the chain moved down by the bar
}

} // namespace
