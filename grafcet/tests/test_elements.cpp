// Geometry, hit tests, moves, links and texts of the diagram elements.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "elements/Elements.h"

namespace {

struct CasCreation {
    const char* nom;
    std::function<std::unique_ptr<SGrafcet>()> cree;
    short type;
    TRect rect; // for an anchor at (100, 50)
    short tailleMin;
};

TEST(Elements, AnchorConstructorsGiveTypeRectangleAndMinimumHeight)
{
    const CasCreation cas[] = {
        {"initial step", [] { return std::make_unique<Etape>(0, 100, 50); }, 0, {90, 50, 110, 84}, 34},
        {"step", [] { return std::make_unique<Etape>(1, TPoint(100, 50)); }, 1, {90, 50, 110, 84}, 34},
        {"transition", [] { return std::make_unique<Transition>(100, 50); }, 2, {96, 50, 110, 62}, 12},
        {"or divergence", [] { return std::make_unique<DivOu>(100, 50); }, 3, {100, 50, 140, 53}, 3},
        {"or convergence", [] { return std::make_unique<ConvOu>(100, 50); }, 4, {100, 50, 140, 56}, 6},
        {"and divergence", [] { return std::make_unique<DivEt>(100, 50); }, 5, {98, 50, 140, 52}, 2},
        {"and convergence", [] { return std::make_unique<ConvEt>(100, 50); }, 6, {98, 50, 140, 52}, 2},
        {"return link", [] { return std::make_unique<Retour>(100, 50); }, 7, {100, 50, 140, 56}, 0},
        {"macro-step", [] { return std::make_unique<Macro>(100, 50); }, 8, {90, 50, 110, 84}, 34},
        {"macro entry", [] { return std::make_unique<MacroE>(100, 50); }, 9, {90, 50, 110, 74}, 24},
        {"macro exit", [] { return std::make_unique<MacroF>(100, 50); }, 10, {90, 50, 110, 74}, 24},
        {"comment", [] { return std::make_unique<CText>(100, 50); }, 19, {100, 50, 110, 70}, 0},
        {"action block", [] { return std::make_unique<Action>(TPoint(100, 50)); }, 20, {96, 50, 135, 70}, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto s = c.cree();
        EXPECT_EQ(s->LType(), c.type);
        EXPECT_EQ(s->LAncre(), TPoint(100, 50));
        EXPECT_EQ(s->LRect(), c.rect);
        EXPECT_EQ(s->TailleMin(), c.tailleMin);
        EXPECT_EQ(s->LitModif(), 0);
        EXPECT_EQ(s->LErreur(), 0);
    }
}

TEST(Elements, ClassDataAtCreation)
{
    Etape e(1, 0, 0);
    Macro m(0, 0);
    MacroF f(0, 0);
    Transition t(0, 0);
    Action a(0, 0);
    ConvOu co(0, 0);
    DivEt de(0, 0);
    EXPECT_EQ(e.LNumero(), 1);
    EXPECT_EQ(m.LNumero(), 0);
    EXPECT_EQ(f.LNumero(), 0);
    std::string s = "x";
    t.LString(s);
    EXPECT_EQ(s, "1");
    a.LString(s);
    EXPECT_EQ(s, "");
    EXPECT_EQ(co.LNbLiaison(), 1);
    EXPECT_EQ(de.LNbLiaison(), 0);

    SGrafcet vide;
    Etape etapeVide;
    EXPECT_EQ(vide.LType(), -1);
    EXPECT_EQ(etapeVide.LType(), -1);
    EXPECT_EQ(etapeVide.LNumero(), -1);
    EXPECT_EQ(vide.LNumero(), -1);
    TPoint p(5, 5);
    EXPECT_EQ(vide.LLiaison(p), -1);
    EXPECT_EQ(p, TPoint(5, 5));
    s = "inchangé";
    vide.LString(s);
    EXPECT_EQ(s, "inchangé");
}

TEST(Elements, AnchorFromPointKeepsOnlyLow16Bits)
{
    Etape e(1, TPoint(0x10000 + 100, 0x20000 + 50));
    EXPECT_EQ(e.LAncre(), TPoint(100, 50));
    EXPECT_EQ(e.LRect(), TRect(90, 50, 110, 84));
}

TEST(Elements, RestoringConstructorsKeepRectangleAndFixTexts)
{
    const TRect r(1, 999, 77, 88);
    Transition vide(TPoint(10, 20), r, "");
    Transition nulle(TPoint(10, 20), r, nullptr);
    Transition pleine(TPoint(10, 20), r, "a.b");
    std::string s;
    vide.LString(s);
    EXPECT_EQ(s, "1");
    nulle.LString(s);
    EXPECT_EQ(s, "1");
    pleine.LString(s);
    EXPECT_EQ(s, "a.b");
    // The top always follows the anchor, whatever the rectangle said.
    EXPECT_EQ(pleine.LRect(), TRect(1, 20, 77, 88));

    Action a(TPoint(10, 20), r, nullptr);
    a.LString(s);
    EXPECT_EQ(s, "");

    DivOu plat(TPoint(100, 50), TRect(100, 50, 100, 53), 2);
    EXPECT_EQ(plat.LRect(), TRect(100, 50, 140, 53));
    EXPECT_EQ(plat.LNbLiaison(), 2);
    DivEt large(TPoint(100, 200), TRect(98, 200, 182, 202), 3);
    EXPECT_EQ(large.LRect(), TRect(98, 200, 182, 202));
    EXPECT_EQ(large.LNbLiaison(), 3);
}

TEST(Elements, CopiesKeepStepNumbersButResetMacroNumbers)
{
    Etape e(1, 10, 10);
    e.MNumero(42);
    e.SetModif(3);
    e.MErreur(1);
    Etape copieE(&e);
    EXPECT_EQ(copieE.LNumero(), 42);
    EXPECT_EQ(copieE.LitModif(), 0);
    EXPECT_EQ(copieE.LErreur(), 0);
    EXPECT_EQ(copieE.LRect(), e.LRect());

    Macro m(10, 10);
    m.MNumero(4);
    MacroE me(10, 10);
    me.MNumero(4);
    MacroF mf(10, 10);
    mf.MNumero(4);
    EXPECT_EQ(Macro(&m).LNumero(), 0);
    EXPECT_EQ(MacroE(&me).LNumero(), 0);
    EXPECT_EQ(MacroF(&mf).LNumero(), 0);

    Macro cible(50, 50);
    cible.MNumero(9);
    cible = &m;
    EXPECT_EQ(cible.LNumero(), 0);
    EXPECT_EQ(cible.LAncre(), TPoint(10, 10));

    DivEt d(0, 0);
    d.ALiaison(TPoint(60, 0));
    DivEt copieD(&d);
    EXPECT_EQ(copieD.LNbLiaison(), 1);
    EXPECT_EQ(copieD.LRect().right, 62);

    Transition t(0, 0);
    t.MString("x.y");
    Transition copieT(&t);
    std::string s;
    copieT.LString(s);
    EXPECT_EQ(s, "x.y");
}

TEST(Elements, BaseAssignmentFromPointerCopiesGeometryAndClearsMarks)
{
    Etape source(1, 200, 300);
    Transition t(0, 0);
    t.MString("a");
    t.SetModif(4);
    t.MErreur(2);
    SGrafcet& base = t;
    base = static_cast<const SGrafcet*>(&source);
    EXPECT_EQ(t.LType(), 1);
    EXPECT_EQ(t.LAncre(), TPoint(200, 300));
    EXPECT_EQ(t.LRect(), source.LRect());
    EXPECT_EQ(t.LitModif(), 0);
    EXPECT_EQ(t.LErreur(), 0);
}

struct CasTest {
    const char* nom;
    TPoint p;
    bool touche;
};

TEST(Elements, BaseHitTestExcludesBottomRowButAcceptsAnchor)
{
    Etape e(1, 100, 50); // 90..110 x 50..84
    const CasTest cas[] = {
        {"inside", {95, 60}, true},        {"left edge", {90, 50}, true},
        {"right edge", {110, 83}, true},   {"bottom row", {100, 84}, false},
        {"above", {100, 49}, false},       {"right of it", {111, 60}, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(e.Test(c.p), c.touche);
    }
    // A bar outside its own rectangle still answers at its anchor.
    Retour r(TPoint(100, 200), TPoint(60, 0), TPoint(100, 40));
    EXPECT_TRUE(r.SGrafcet::Test(TPoint(100, 200)));
}

TEST(Elements, OrDivergenceHitTestOwnsItsBottomRowNotItsTop)
{
    DivOu ou(100, 50); // bottom 53
    DivEt et(100, 50); // bottom 52
    EXPECT_TRUE(ou.Test(TPoint(100, 50)));  // anchor
    EXPECT_FALSE(ou.Test(TPoint(110, 50))); // top row
    EXPECT_TRUE(ou.Test(TPoint(110, 53)));  // bottom row
    EXPECT_TRUE(et.Test(TPoint(110, 50)));
    EXPECT_FALSE(et.Test(TPoint(110, 52)));
}

TEST(Elements, ReturnLinkHitTestFollowsItsVerticalRun)
{
    // Leaves (100, 200), runs left to column 60, up to level 40, right to 100.
    Retour gauche(TPoint(100, 200), TPoint(60, 0), TPoint(100, 40));
    EXPECT_EQ(gauche.LRect(), TRect(60, 200, 100, 40));
    const CasTest casGauche[] = {
        {"anchor", {100, 200}, true},    {"just below anchor", {100, 201}, true},
        {"on the run", {60, 100}, true}, {"5 left of run", {55, 100}, true},
        {"6 left of run", {54, 100}, false}, {"right column excluded", {100, 100}, false},
        {"end level excluded", {60, 40}, false}, {"start level excluded", {60, 200}, false},
    };
    for (const auto& c : casGauche) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(gauche.Test(c.p), c.touche);
    }
    // A link whose run lies to the right of its target.
    Retour droite(TPoint(100, 200), TPoint(160, 0), TPoint(100, 40));
    EXPECT_TRUE(droite.Test(TPoint(165, 100)));
    EXPECT_FALSE(droite.Test(TPoint(166, 100)));
    EXPECT_FALSE(droite.Test(TPoint(100, 100)));
    EXPECT_TRUE(droite.Test(TPoint(101, 100)));
}

TEST(Elements, AttachAndAnchorLookups)
{
    Etape e(1, 100, 50);
    TPoint p(100, 50);
    short type = -7;
    EXPECT_FALSE(e.coord(p, type)); // the anchor row is not part of the lower range
    EXPECT_EQ(p, TPoint(100, 50));
    EXPECT_EQ(type, -7);
    p = TPoint(95, 84);
    EXPECT_TRUE(e.coord(p, type));
    EXPECT_EQ(p, TPoint(100, 84));
    EXPECT_EQ(type, 1);

    SGrafcet vide;
    p = TPoint(0, 0);
    EXPECT_FALSE(vide.coord(p, type)); // no type, no attach point

    p = TPoint(105, 70);
    type = -1;
    EXPECT_TRUE(e.LCDeb(p, type));
    EXPECT_EQ(p, TPoint(100, 50));
    EXPECT_EQ(type, 1);
    p = TPoint(0, 0);
    EXPECT_FALSE(e.LCDeb(p, type));
    EXPECT_EQ(p, TPoint(0, 0));
}

TEST(Elements, DistanceForSnapping)
{
    Etape e(1, 100, 50);      // bottom 84
    DivOu div(100, 200);      // 100..140, bottom 203
    ConvEt conv(100, 300);    // 98..140, bottom 302
    EXPECT_EQ(e.Distance(TPoint(100, 50)), 0);
    EXPECT_EQ(e.Distance(TPoint(103, 80)), 4 + 3);
    EXPECT_EQ(div.Distance(TPoint(120, 205)), 2);      // over the bar: vertical only
    EXPECT_EQ(div.Distance(TPoint(150, 203)), 10);     // beyond the right end
    EXPECT_EQ(div.Distance(TPoint(90, 200)), 10);      // before the anchor
    EXPECT_EQ(conv.Distance(TPoint(170, 302)), 0);     // convergences: vertical only
    EXPECT_EQ(conv.Distance(TPoint(170, 290)), 10);
}

TEST(Elements, CharacteristicPointsAndResizing)
{
    Transition t(100, 50); // 96..110 x 50..62
    EXPECT_EQ(t.LPoint(0), TPoint(100, 51));
    EXPECT_EQ(t.LPoint(1), TPoint(100, 62));
    EXPECT_EQ(t.LPoint(2), TPoint(109, 51));
    EXPECT_EQ(t.LPoint(-3), TPoint(109, 51));
    t.MTaille(1, TPoint(130, 0));
    t.MTaille(2, TPoint(0, 90));
    t.MTaille(3, TPoint(500, 500));
    EXPECT_EQ(t.LRect(), TRect(96, 50, 130, 90));
}

struct CasDeplace {
    short marque;
    TPoint ancre;
    TRect rect;
};

TEST(Elements, MoveFollowsTheMarkThenClearsIt)
{
    // A step at (100, 50) stretched to height 50, moved by (5, 7).
    const CasDeplace cas[] = {
        {0, {100, 50}, {90, 50, 110, 100}},  {1, {105, 57}, {95, 57, 115, 107}},
        {2, {100, 50}, {90, 50, 110, 107}},  {3, {105, 57}, {95, 57, 115, 107}},
        {4, {100, 57}, {90, 57, 110, 100}},  {5, {100, 50}, {90, 50, 110, 100}},
        {6, {100, 50}, {90, 50, 110, 100}},  {7, {100, 50}, {90, 50, 110, 107}},
        {8, {100, 50}, {90, 50, 110, 84}},   {9, {100, 50}, {90, 50, 110, 100}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.marque);
        Etape e(1, 100, 50);
        e.MTaille(2, TPoint(0, 100));
        e.SetModif(c.marque);
        e.Deplace(5, 7);
        EXPECT_EQ(e.LAncre(), c.ancre);
        EXPECT_EQ(e.LRect(), c.rect);
        EXPECT_EQ(e.LitModif(), 0);
    }
}

TEST(Elements, ReturnLinkMovedWithItsChainKeepsColumnAndTarget)
{
    Retour r(TPoint(100, 200), TPoint(60, 0), TPoint(100, 40));
    r.SetModif(1);
    r.Deplace(10, 20);
    EXPECT_EQ(r.LAncre(), TPoint(110, 220));
    EXPECT_EQ(r.LRect(), TRect(60, 220, 100, 40));
    EXPECT_EQ(r.LitModif(), 0);

    r.SetModif(3); // a region move carries it whole
    r.Deplace(1, 1);
    EXPECT_EQ(r.LRect(), TRect(61, 221, 101, 41));
}

TEST(Elements, BranchLinksExtendAndShrinkBars)
{
    DivEt et(100, 200); // right 140
    et.MTaille(1, TPoint(140, 0));
    TPoint p;
    EXPECT_EQ(et.LLiaison(p), 0);
    EXPECT_EQ(p, TPoint(100, 202)); // left + 2 while empty
    et.ALiaison(TPoint(150, 200));
    EXPECT_EQ(et.LRect().right, 152);
    EXPECT_EQ(et.LLiaison(p), 1);
    EXPECT_EQ(p, TPoint(150, 202));
    et.ALiaison(TPoint(120, 200)); // inside the bar: no extension
    EXPECT_EQ(et.LRect().right, 152);
    EXPECT_EQ(et.LNbLiaison(), 2);
    et.ELiaison(TPoint(122, 0));
    EXPECT_EQ(et.LNbLiaison(), 1);
    EXPECT_EQ(et.LRect().right, 122);

    DivOu ou(100, 200);
    EXPECT_EQ(ou.LLiaison(p), 0);
    EXPECT_EQ(p, TPoint(100, 203));
    ou.ALiaison(TPoint(150, 200));
    EXPECT_EQ(ou.LRect().right, 150);
    EXPECT_EQ(ou.LLiaison(p), 1);
    EXPECT_EQ(p, TPoint(150, 203));

    ConvEt ce(100, 300);
    EXPECT_EQ(ce.LLiaison(p), 1);
    EXPECT_EQ(p, TPoint(140, 300));
    ce.ALiaison(TPoint(160, 0));
    EXPECT_EQ(ce.LRect().right, 162);

    ConvOu co(100, 300);
    co.ALiaison(TPoint(160, 0));
    EXPECT_EQ(co.LLiaison(p), 2);
    EXPECT_EQ(p, TPoint(160, 300));
}

struct CasLargeur {
    const char* texte;
    int largeur;
};

TEST(Elements, ActionBlockWidthFollowsItsWidestParts)
{
    const CasLargeur cas[] = {
        {"{a}xy|b|", 36},        // (2 + 3) + (1 + 3) items, 4 units each
        {"", 35},                // empty list: the default width
        {"AB", 0},               // no item closed yet
        {"{longue}A|", 36},      // condition wider than action
        {"A|B", 16},             // what follows the last bar is not counted
        {"{a|BC|", 36},          // a bar closes an open condition
        {"|", 12},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        Action a(100, 50);
        a.MString(c.texte);
        EXPECT_EQ(a.LRect().right, 100 + c.largeur);
        EXPECT_EQ(a.LRect().left, 96);
    }
}

TEST(Elements, CommentWidthIsThreeUnitsPerCharacter)
{
    CText c(100, 50);
    c.MString("0123456789");
    EXPECT_EQ(c.LRect().right, 130);
    c.MString("");
    EXPECT_EQ(c.LRect().right, 100);
    std::string s = "x";
    c.LString(s);
    EXPECT_EQ(s, "");
}

TEST(Elements, StateFlagAndNumbers)
{
    Etape e(0, 0, 0);
    e.SetEtat(true);
    EXPECT_TRUE(e.LEtat());
    e.MNumero(-3);
    EXPECT_EQ(e.LNumero(), -3);
    MacroF f(0, 0);
    f.MNumero(32767);
    EXPECT_EQ(f.LNumero(), 32767);
    f.SetEtat(true);
    EXPECT_TRUE(f.LEtat());
    EXPECT_FALSE(MacroF(&f).LEtat());
}

} // namespace
