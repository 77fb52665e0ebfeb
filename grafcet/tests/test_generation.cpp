// Code generation: the structure section, the receptivity and action
// sections, error marks and error labels, and whole runs.
#include <gtest/gtest.h>

#include "FixturesPop.h"
#include "GenereProgramme.h"
#include "Grafcet.h"
#include "elements/Elements.h"
#include "pop/POpera.h"

using namespace fixtures;

namespace {

class Generation : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ecrit(d / "p_opera.lst",
              OctetsPop({{0, 1, "P",
                          {C(0, 0, 0, 1, "a0"), C(0, 0, 0, 2, "a1"), C(0, 0, 0, 4, "dcy"),
                           C(0, 1, 1, 1, "AV"), C(0, 1, 1, 2, "AR"), C(2, 0, 0, 0, "t/x"),
                           C(2, 1, 0, 0, "Mxx"), C(2, 1, 0, 0, "Wxx"), C(2, 0, 0, 0, "Bxx")}}}));
    }
    // Adds below the attach point p, as a click there would.
    void Sous(short type, TPoint p, short precedent) { g.Ajoute(type, p, precedent); }

    ResultatGeneration Genere()
    {
        POpera pop(0, "P", d.Prefixe());
        return GenereProgramme(g, 0, "P", pop);
    }
    std::string Structure()
    {
        POpera pop(0, "P", d.Prefixe());
        g.InitVI(&pop);
        std::string out;
        ok = g.GGraf(out);
        return out;
    }

    Dossier d{"veldra-gen"};
    Grafcet g;
    bool ok = false;
};

TEST_F(Generation, InitialStepLoopingOnItself)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(TRANSITION, TPoint(100, 74), ETAPE_INITIALE);
    g.AjouteRetour(TPoint(100, 86), TPoint(60, 0), TPoint(100, 40));
    const auto r = Genere();
    EXPECT_EQ(r.texte.substr(0, 20), "E00IA00R00000Z\nNR=01");
    EXPECT_EQ(r.texte.substr(14, 9), "\nNR=01\nRZ");
    EXPECT_EQ(r.ligneGrafcet, "Généré");
    EXPECT_EQ(r.ligneReceptivite, "Erreurs! Réceptivité non définie!");
    EXPECT_FALSE(r.reussi);
    EXPECT_EQ(g.Symboles()[2]->LErreur(), 1); // the last transition is marked
    EXPECT_TRUE(g.LErLab().empty());
}

TEST_F(Generation, TwoStepCycle)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(ETAPE, TPoint(100, 74), ETAPE_INITIALE);   // T0 74..86, step 86..120
    Sous(TRANSITION, TPoint(100, 120), ETAPE);      // T1 120..132
    g.AjouteRetour(TPoint(100, 132), TPoint(60, 0), TPoint(100, 40));
    g.MString(TPoint(100, 80), "dcy.a0");
    g.MString(TPoint(100, 125), "a1");
    g.MString(TPoint(120, 100), "AV|");
    const auto r = Genere();
    EXPECT_EQ(r.texte,
              "E00IA00R00001E01A01R01000Z"
              "\nNR=02\nL0004FL0001FRZ\nL0002FRZ"
              "\nNA=02\nZ\nE0101Z\nNC=00\n"
              "M00W00B00Z\n");
    EXPECT_TRUE(r.reussi);
    EXPECT_EQ(r.ligneAction, "Généré");
}

TEST_F(Generation, OrDivergenceListsEachBranch)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(DIV_OU, TPoint(100, 74), ETAPE_INITIALE); // bar 74..77
    g.AjouteDiv(ETAPE, DIV_OU, TPoint(100, 77), TPoint(100, 76));  // T0, step 1
    g.AjouteDiv(ETAPE, DIV_OU, TPoint(160, 77), TPoint(100, 76));  // T1, step 2
    EXPECT_EQ(Structure().substr(0, 14), "E00IA00R00001" "0");
    EXPECT_EQ(Structure().substr(0, 18), "E00IA00R0000101002");
}

TEST_F(Generation, AndDivergenceAfterATransition)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(DIV_ET, TPoint(100, 74), ETAPE_INITIALE); // T0 74..86, bar 86..88
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(100, 88), TPoint(100, 86));
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(160, 88), TPoint(100, 86));
    EXPECT_EQ(Structure().substr(0, 18), "E00IA00R0000100002");
}

TEST_F(Generation, AndConvergenceJoinsItsSteps)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(DIV_ET, TPoint(100, 74), ETAPE_INITIALE);
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(100, 88), TPoint(100, 86)); // step rank 1, 88..122
    g.AjouteDiv(ETAPE, DIV_ET, TPoint(160, 88), TPoint(100, 86)); // step rank 2
    Sous(CONV_ET, TPoint(100, 122), ETAPE);                       // bar 122..124, T1 124..136
    g.AjouteConv(ETAPE, CONV_ET, TPoint(100, 122), TPoint(160, 121));
    g.AjouteRetour(TPoint(100, 136), TPoint(60, 0), TPoint(100, 40));
    EXPECT_EQ(Structure(), "E00IA00R0000100002E01A01R01000L002E02A02R01000L001Z");
    EXPECT_TRUE(ok);
}

TEST_F(Generation, MacroStepAndItsExpansion)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(TRANSITION, TPoint(100, 74), ETAPE_INITIALE); // T0
    Sous(MACRO, TPoint(100, 86), TRANSITION);          // M0 86..120
    Sous(TRANSITION, TPoint(100, 120), MACRO);         // T1
    g.AjouteRetour(TPoint(100, 132), TPoint(60, 0), TPoint(100, 40));
    Sous(MACRO_E, TPoint(300, 40), AUCUN);             // E0 40..64
    Sous(TRANSITION, TPoint(300, 64), MACRO_E);        // T2
    Sous(ETAPE, TPoint(300, 76), TRANSITION);          // step rank 1
    Sous(TRANSITION, TPoint(300, 110), ETAPE);         // T3
    Sous(MACRO_F, TPoint(300, 122), TRANSITION);       // S0
    EXPECT_EQ(Structure(), "E00IA00R00M00E01A01R03S00M00R01000D00R02001Z");
    EXPECT_TRUE(ok);
}

TEST_F(Generation, StructureErrors)
{
    // No step at all.
    Sous(TRANSITION, TPoint(100, 40), AUCUN);
    EXPECT_EQ(Structure(), "Z");
    EXPECT_FALSE(ok);

    // A macro-step with no exit: nothing but the label and the final Z.
    Grafcet macro;
    TPoint p(100, 40);
    macro.Ajoute(ETAPE_INITIALE, p, AUCUN);
    p = TPoint(100, 100);
    macro.Ajoute(MACRO, p, AUCUN);
    POpera pop(0, "P", d.Prefixe());
    std::string out;
    EXPECT_FALSE(macro.GGraf(out));
    EXPECT_EQ(out, "Z");
    EXPECT_EQ(macro.LErLab(), (std::vector<std::string>{"Fin Macro 0 non présente!"}));

    // A step with nothing below it is marked; two transitions in a row too.
    Grafcet seule;
    p = TPoint(100, 40);
    seule.Ajoute(ETAPE_INITIALE, p, AUCUN);
    out.clear();
    EXPECT_FALSE(seule.GGraf(out));
    EXPECT_EQ(out, "E00IA00RZ");
    EXPECT_EQ(seule.Symboles()[0]->LErreur(), 1);

    Grafcet double_;
    p = TPoint(100, 40);
    double_.Ajoute(ETAPE_INITIALE, p, AUCUN);
    p = TPoint(100, 74);
    double_.Ajoute(TRANSITION, p, ETAPE_INITIALE);
    double_.Place<Transition>(100, 86);
    out.clear();
    EXPECT_FALSE(double_.GGraf(out));
    EXPECT_EQ(double_.Symboles()[2]->LErreur(), 1);

    // A transition leading nowhere.
    Grafcet vide;
    p = TPoint(100, 40);
    vide.Ajoute(ETAPE_INITIALE, p, AUCUN);
    p = TPoint(100, 74);
    vide.Ajoute(TRANSITION, p, ETAPE_INITIALE);
    out.clear();
    EXPECT_FALSE(vide.GGraf(out));
    EXPECT_EQ(out, "E00IA00RZ");
    EXPECT_EQ(vide.Symboles()[2]->LErreur(), 1);
}

TEST_F(Generation, MacroNumbersThatDoNotMatch)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(TRANSITION, TPoint(100, 74), ETAPE_INITIALE);
    g.AjouteRetour(TPoint(100, 86), TPoint(60, 0), TPoint(100, 40));
    // A macro-step numbered 1 with its exit 0 and 1: number 0 is not used.
    g.Place<Macro>(300, 40)->MNumero(1);
    g.Place<MacroF>(400, 40)->MNumero(0);
    g.Place<MacroF>(500, 40)->MNumero(1);
    std::string s = Structure();
    EXPECT_FALSE(ok);
    EXPECT_EQ(s, "E00IA00R00000M00RZ");
    EXPECT_EQ(g.LErLab(), (std::vector<std::string>{"Macro 0 non utilisée!"}));
}

TEST_F(Generation, ReceptivityAndActionErrorsAreAllCollected)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(ETAPE, TPoint(100, 74), ETAPE_INITIALE);
    Sous(TRANSITION, TPoint(100, 120), ETAPE);
    g.AjouteRetour(TPoint(100, 132), TPoint(60, 0), TPoint(100, 40));
    g.MString(TPoint(100, 80), "zz.a0");
    g.MString(TPoint(100, 125), "a1+qq");
    g.MString(TPoint(120, 55), "{yy}AV|");
    g.MString(TPoint(120, 100), "ZZ|AR|");
    const auto r = Genere();
    EXPECT_FALSE(r.reussi);
    EXPECT_EQ(r.ligneGrafcet, "Généré");
    EXPECT_EQ(r.ligneReceptivite, "Erreurs! Réceptivité non définie!");
    EXPECT_EQ(r.ligneAction, "Erreurs! Action non définie!");
    EXPECT_EQ(g.LErLab(), (std::vector<std::string>{"zz.a0", "a1+qq", "yy", "ZZ"}));
    EXPECT_EQ(g.Symboles()[2]->LErreur(), 1); // both transitions
    EXPECT_EQ(g.Symboles()[5]->LErreur(), 1);
    EXPECT_EQ(g.Symboles()[1]->LErreur(), 1); // both action blocks
    EXPECT_EQ(g.Symboles()[4]->LErreur(), 1);
    // The partial text keeps what compiled, and the run does not end with Z.
    EXPECT_EQ(r.texte.substr(r.texte.size() - 2), "\n\n");
}

TEST_F(Generation, StepWithoutActionBlockFailsTheActionPass)
{
    // A chain read from a file may lack the action block of a step.
    g.Place<Etape>(0, 100, 40);
    g.Place<Transition>(100, 74)->MString("a0");
    g.Place<Etape>(1, 100, 86);
    g.Place<Action>(114, 96)->MString("AV|");
    g.Place<Transition>(100, 120)->MString("a1");
    g.AjouteRetour(TPoint(100, 132), TPoint(60, 0), TPoint(100, 40));
    const auto r = Genere();
    EXPECT_EQ(r.ligneGrafcet, "Généré");
    EXPECT_EQ(r.ligneAction, "Erreurs! Action non définie!");
    EXPECT_EQ(g.Symboles()[0]->LErreur(), 1);
}

TEST_F(Generation, MemorySizesAndTheVariablesOfTheRun)
{
    Sous(ETAPE_INITIALE, TPoint(100, 40), AUCUN);
    Sous(ETAPE, TPoint(100, 74), ETAPE_INITIALE);
    Sous(TRANSITION, TPoint(100, 120), ETAPE);
    g.AjouteRetour(TPoint(100, 132), TPoint(60, 0), TPoint(100, 40));
    g.LSymb(1, ETAPE)->MNumero(2);
    g.MString(TPoint(100, 80), "dcy.m3>5");
    g.MString(TPoint(100, 125), "t/x2/30+b9");
    g.MString(TPoint(120, 55), "M20=1|W4=2|");
    g.MString(TPoint(120, 100), "{x2}AV|B17|");
    const auto r = Genere();
    EXPECT_TRUE(r.reussi) << r.texte;
    EXPECT_EQ(r.texte,
              "E00IA00R00001E01A01R01000Z"
              "\nNR=02\nL0004FM032005FRZ\nU01001EFRB0102FRZ"
              "\nNA=02\nM14001W0400002Z\nC00E0101B0202Z\nNC=01\nY01FRZ\n"
              "M15W05B12Z\n");
    EXPECT_TRUE(g.ListVar()->Existe("t/x2"));
    EXPECT_TRUE(g.ListVar()->Existe("M14"));
    EXPECT_FALSE(g.ListVar()->Existe("AR"));
    // A second run starts from an empty list and no errors.
    const auto encore = Genere();
    EXPECT_EQ(encore.texte, r.texte);
}

} // namespace
