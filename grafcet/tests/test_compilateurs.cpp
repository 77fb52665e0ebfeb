// The equation and action compilers against a small operative part.
#include <gtest/gtest.h>

#include "FixturesPop.h"
#include "Grafcet.h"
#include "elements/Elements.h"
#include "pop/POpera.h"
#include "variables/ListV.h"

using namespace fixtures;

namespace {

const std::string NEG = "\xAF";
const std::string MONTANT = "\xAD";
const std::string DESCENDANT = "\xAE";

// A teaching operative part for every card: port bits, analog channels,
// internal-variable templates, carriage functions, set-points, constants.
// Carriage functions come first in the file, so last in list order: a
// carriage name matches every name that starts like it.
std::vector<composant> Composants()
{
    return {
        C(3, 1, 6, 0, "REC"),    C(3, 1, 0, 0, "GO"),      C(3, 1, 4, 0, "DEP"),
        C(3, 1, 8, 0, "MSG"),    C(3, 1, 9, 0, "ATT"),     C(3, 1, 10, 0, "LEC"),
        C(3, 1, 12, 0, "ANA"),   C(3, 1, 14, 0, "RIEN"),
        C(0, 0, 0, 0x01, "a0"),  C(0, 0, 1, 0x08, "a3"),   C(0, 1, 0, 0x01, "A0"),
        C(0, 1, 0, 0x02, "A1"),  C(0, 1, 0, 0x04, "A2"),   C(0, 1, 2, 0x08, "B3"),
        C(1, 0, 4, 0, "v"),      C(1, 1, 3, 0, "V"),       C(1, 0, 2, 0, "e"),
        C(1, 0, 24, 0, "f"),     C(1, 1, 7, 0, "S"),       C(1, 1, 3, 0, "T"),
        C(2, 0, 0, 0, "t/x"),    C(2, 1, 0, 0, "Mxx"),     C(2, 1, 0, 0, "Wxx"),
        C(5, 1, 2, 0, "P"),      C(10, 1, 1, 0, "ORIG"),   C(10, 1, 7, 0, "NUL"),
        C(2, 0, 0, 0, "Bxx"),
    };
}

class Compilateurs : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ecrit(d / "p_opera.lst", OctetsPop({{0, 1, "P", Composants()},
                                            {1, 1, "P", Composants()},
                                            {2, 1, "P", Composants()},
                                            {5, 1, "P", Composants()}}));
        EcritConstantes(d / "ombrix.ctt", {{1, 10.0f}, {3, 1.0f}});
        // Steps numbered 5 (rank 0), 10 (rank 1) and 1 (rank 2).
        TPoint p(100, 40);
        g.Ajoute(ETAPE_INITIALE, p, AUCUN);
        p = TPoint(100, 74);
        g.Ajoute(ETAPE, p, ETAPE_INITIALE);
        p = TPoint(100, 120);
        g.Ajoute(ETAPE, p, ETAPE);
        g.LSymb(0, ETAPE)->MNumero(5);
        g.LSymb(1, ETAPE)->MNumero(10);
        g.LSymb(2, ETAPE)->MNumero(1);
    }

    std::unique_ptr<POpera> Pop(char carte)
    {
        auto pop = std::make_unique<POpera>(carte, "P", d.Prefixe());
        g.InitVI(pop.get());
        return pop;
    }

    Dossier d{"veldra-compil"};
    Grafcet g;
};

struct CasEquation {
    std::string equation;
    int carte;
    std::string code;
    bool ok;
};

TEST_F(Compilateurs, Equations)
{
    const CasEquation cas[] = {
        {"a0." + NEG + "a3", 2, "L0001FL0108X08FRZ", true},
        {"1", 2, "RZ", true},
        {"1+a0", 2, "RZ", true},
        {"", 2, "RZ", true},
        {"a0+a3", 2, "L0001FRL0108FRZ", true},
        {"a0.", 2, "L0001FZ", true},
        {MONTANT + "a0", 2, "L0001C01FRZ", true},
        {DESCENDANT + "a0", 2, "L0001C00FRZ", true},
        {"v>=20", 2, "V4014FRZ", true},
        {"v#m3", 2, "V1103FRZ", true},
        {"v<=300", 2, "V502CFRZ", true},
        {NEG + "v>2", 2, "V2002FRZ", true},
        {"v", 2, "FRZ", false},
        {"e<1F", 1, "H02301FFRZ", true},
        {"e=m1A", 1, "H02011AFRZ", true},
        {"f=300", 1, "H1800012CFRZ", true},
        {"f>w3", 1, "H182103FRZ", true},
        {"b10", 2, "B0104FRZ", true},
        {NEG + "b10", 2, "B0104X04FRZ", true},
        {"b-1", 2, "FRZ", false},
        {"m12>=A", 2, "M0C400AFRZ", true},
        {"m3=m4", 2, "M030104FRZ", true},
        {"w2>12C", 2, "W022012CFRZ", true},
        {"t/x5/20", 2, "U000014FRZ", true},
        {NEG + "t/x5/20", 2, "U000014X01FRZ", true},
        {MONTANT + "t/x5/20", 2, "U000014FRZ", true},
        {"t/x5", 2, "FRZ", false},
        {"t/x5/", 2, "FRZ", false},
        {"t/x9/20", 2, "U000014FRZ", true}, // no step 9: the timer template
        {MONTANT + "x5", 2, "Y00C01FRZ", true},
        {NEG + "x5", 2, "Y00X01FRZ", true},
        {"x10", 2, "Y02FRZ", true}, // step 1 was added after step 10: x1 is a prefix of x10
        {"inconnu", 2, "FRZ", false},
        {"a0..a3", 2, "L0001FFL0108FRZ", false},
        {"a0+zz.a3", 2, "L0001FRFL0108FRZ", false},
        {"M12>3", 2, "FRZ", false},   // upper-case memory in a condition
        {"REC", 2, "FRZ", false},     // a carriage function is not a condition
        {"ORIG", 2, "FRZ", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.equation);
        auto pop = Pop(static_cast<char>(c.carte));
        std::string out;
        EXPECT_EQ(g.EEquation(out, c.equation, pop.get()), c.ok);
        EXPECT_EQ(out, c.code);
    }
}

TEST_F(Compilateurs, EquationsRegisterWhatTheyUse)
{
    auto pop = Pop(2);
    std::string out;
    ASSERT_TRUE(g.EEquation(out, "a0.b10.m12>3.x5.t/x5/3", pop.get()));
    ListV& v = *g.ListVar();
    EXPECT_TRUE(v.Existe("a0"));
    EXPECT_TRUE(v.Existe("B0A"));   // the bit template, renamed
    EXPECT_TRUE(v.Existe("M0C"));
    EXPECT_TRUE(v.Existe("x5"));
    EXPECT_TRUE(v.Existe("t/x5"));
    EXPECT_FALSE(v.Existe("a3"));
    EXPECT_EQ(v.LNb(0), 13);
    EXPECT_EQ(v.LNb(2), 11);
    composant c{};
    pop->LComposant(0, 2, 0, c); // the first internal input in list order is a step timer
    EXPECT_EQ(pop->LNbel(2, 1), 2);
}

struct CasAction {
    std::string texte;
    int carte;
    std::string code;
    std::string conditions;
    bool ok;
};

TEST_F(Compilateurs, Actions)
{
    const CasAction cas[] = {
        {"A0|", 2, "E0001", "", true},
        {"A0=5|", 2, "EB000105", "", true},
        {"A0+5|", 2, "EB000105", "", true},
        {"M12=7|", 2, "M0C007", "", true},
        {"M12+1|", 2, "M0C101", "", true},
        {"M12-1|", 2, "M0C201", "", true},
        {"M12=M3|", 2, "M0C303", "", true},
        {"W2=300|", 2, "W020012C", "", true},
        {"W2=W1|", 2, "W0230001", "", true},
        {"B10|", 2, "B0104", "", true},
        {"B10=1|", 2, "BB010401", "", true},
        {"V=M1A|", 2, "V11A", "", true},
        {"V=80|", 2, "V080", "", true},
        {"V|", 2, "", "", true},
        {"T=40|", 1, "H03040", "", true},
        {"T=M12|", 1, "H0310C", "", true},
        {"S=W5|", 1, "H07105", "", true},
        {"S=1F4|", 1, "H07001F4", "", true},
        {"P=10|", 0, "D02000A21C0", "", true},
        {"P=-2.5|", 0, "D02FFFD7790", "", true},
        {"P=ORIG|", 0, "D02000A21C0", "", false}, // replaced below: constants need card 5
        {"P|", 5, "", "", false},
        {"P=NUL|", 5, "", "", true},      // no constant numbered 7
        {"REC=100|", 2, "F050FFFFFF9C", "", true},
        {"REC=100|REC=100|", 2, "F050FFFFFF9CF050FFFFFF9C", "", true},
        {"REC=W3|", 2, "F05103", "", true},
        {"GO=1F|", 2, "F000001F", "", true},
        {"GO=M2|", 2, "F0010002", "", true},
        {"DEP=20|", 2, "F0400014", "", true},
        {"MSG=Bonjour a tous|", 2, "F08Bonjour ", "", true},
        {"MSG=Ok|", 2, "F08Ok      ", "", true},
        {"ATT3=a0|", 2, "F0930001", "", true},
        {"ATT9=A1|", 2, "F0970002", "", true},
        {"ATT=v|", 2, "", "", false},
        {"LEC2=v|", 2, "F0A2104", "", true},
        {"ANA=V|", 2, "F0C103", "", true},
        {"RIEN=1|", 2, "", "", true},
        {"ORIG|", 2, "", "", true},
        {"x1|", 2, "", "", true},
        {"inconnu|", 2, "", "", false},
        {"A1", 2, "", "", true},           // no closing bar: nothing compiled
        {"{a0}A1|A2|", 2, "C00E0002E0004", "L0001FRZ\n", true},
        {"{a0}|", 2, "C00", "L0001FRZ\n", false},
        {"{zz}A1|", 2, "C00E0002", "FRZ\n", false},
        {"{1}A1|{a3}A2|", 2, "C00E0002C01E0004", "RZ\nL0108FRZ\n", true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        if (c.texte == "P=ORIG|")
            continue;
        Grafcet h;
        TPoint p(100, 40);
        h.Ajoute(ETAPE_INITIALE, p, AUCUN);
        h.MString(TPoint(120, 55), c.texte);
        auto pop = std::make_unique<POpera>(static_cast<char>(c.carte), "P", d.Prefixe());
        h.InitVI(pop.get());
        std::string out;
        const bool ok = h.GAction(out, pop.get());
        const std::string entete = "\nNA=01\n";
        ASSERT_EQ(out.substr(0, entete.size()), entete);
        const auto z = out.find("Z\nNC=");
        ASSERT_NE(z, std::string::npos);
        EXPECT_EQ(out.substr(entete.size(), z - entete.size()), c.code);
        EXPECT_EQ(out.substr(out.find('\n', z + 2) + 1), c.conditions);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(h.Symboles()[1]->LErreur(), c.ok ? 0 : 1);
    }
}

TEST_F(Compilateurs, SetPointsOnThePositionCard)
{
    struct Cas {
        std::string texte;
        std::string code;
    };
    // The pinion factor of the position card comes from norimveldra.ini (default here).
    const Cas cas[] = {
        {"P=10|", "D0200003124"},
        {"P=ORIG|", "D0200003124"},  // constant 1 is 10.0
        {"P=NUL|", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        auto pop = Pop(5);
        EXPECT_FLOAT_EQ(pop->LEchelle(), 52.7787f);
        std::string out;
        Composant* p = pop->Resout("P");
        ASSERT_TRUE(p);
        const auto egal = c.texte.find('=');
        const std::string valeur = c.texte.substr(egal + 1, c.texte.size() - egal - 2);
        EXPECT_TRUE(pop->EAction(out, "P", valeur, 0, g.ListVar()));
        EXPECT_EQ(out, c.code);
    }
}

TEST_F(Compilateurs, NameResolutionFollowsListOrder)
{
    // With the bit template loaded after a port output B3, B3 is memory bit 3.
    auto pop = Pop(2);
    std::string out;
    EXPECT_TRUE(pop->EAction(out, "B3", "", 0, nullptr));
    EXPECT_EQ(out, "B0008");
    // A carriage name's trailing digit is its parameter.
    EXPECT_EQ(LitChamp(pop->Resout("ATT7")->LComposant().label), "ATT");
    // A carriage name also answers to the beginning of its label.
    EXPECT_EQ(LitChamp(pop->Resout("AT")->LComposant().label), "ATT");
    EXPECT_EQ(pop->Resout("AX"), nullptr);
    EXPECT_EQ(LitChamp(pop->Resout("v>=20")->LComposant().label), "v");
}

} // namespace
