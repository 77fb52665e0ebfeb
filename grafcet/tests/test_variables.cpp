#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "variables/Composant.h"
#include "variables/Constante.h"
#include "variables/ListV.h"
#include "variables/ProfilPrive.h"
#include "variables/Variable.h"
#include "variables/composant.h"
#include "variables/transfert.h"

namespace fs = std::filesystem;

namespace {

composant Rec(const char* label, int nature, int sens, int indice = 0, int masque = 0,
              const char* designation = "")
{
    composant c{};
    c.categorie = 11;
    c.nature = static_cast<unsigned char>(nature);
    c.sens = static_cast<unsigned char>(sens);
    c.indice = static_cast<unsigned char>(indice);
    c.masque = static_cast<unsigned char>(masque);
    EcritChamp(c.label, label);
    EcritChamp(c.designation, designation);
    return c;
}

// Runs a test in a fresh empty directory, so that the settings file read from
// the current directory is the one the test writes, and never the tree's.
class DossierCourant {
public:
    DossierCourant() : ancien(fs::current_path())
    {
        std::string modele = (fs::temp_directory_path() / "veldra-variables-XXXXXX").string();
        if (mkdtemp(modele.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        dossier = modele;
        fs::current_path(dossier);
    }
    ~DossierCourant()
    {
        fs::current_path(ancien);
        std::error_code ec;
        fs::remove_all(dossier, ec);
    }
    void Ecrit(const std::string& nom, const std::string& contenu) const
    {
        std::ofstream(dossier / nom, std::ios::binary) << contenu;
    }

private:
    fs::path ancien;
    fs::path dossier;
};

} // namespace

// --- Component record --------------------------------------------------------

TEST(Composant, CopyCutsTextsToTheirFieldAndDropsBytesAfterTheNul)
{
    // A record from a damaged file: no NUL in either text.
    composant brut;
    std::memset(&brut, 'x', sizeof brut);
    brut.categorie = 4;
    brut.nature = 1;
    brut.sens = 1;
    brut.indice = 7;
    brut.masque = 0;
    composant out;
    Composant(brut).LComposant(out);
    EXPECT_EQ(out.categorie, 4);
    EXPECT_EQ(out.nature, 1);
    EXPECT_EQ(out.sens, 1);
    EXPECT_EQ(out.indice, 7);
    EXPECT_EQ(out.masque, 0);
    EXPECT_EQ(std::string(out.label), std::string(15, 'x'));
    EXPECT_EQ(std::string(out.designation), std::string(50, 'x'));

    // A record with garbage after the NUL: the texts are copied, the garbage is not.
    composant sale;
    std::memset(&sale, 0xCC, sizeof sale);
    std::strcpy(sale.label, "a0");
    std::strcpy(sale.designation, "Capteur");
    Composant c;
    c.MComposant(sale);
    const Composant copie(c);
    copie.LComposant(out);
    EXPECT_STREQ(out.label, "a0");
    EXPECT_STREQ(out.designation, "Capteur");
    for (std::size_t i = 3; i < sizeof out.label; ++i)
        EXPECT_EQ(out.label[i], 0) << i;
    for (std::size_t i = 8; i < sizeof out.designation; ++i)
        EXPECT_EQ(out.designation[i], 0) << i;
}

TEST(Composant, RecordFieldWriterReportsACutText)
{
    char champ[16];
    EXPECT_TRUE(EcritChamp(champ, std::string(15, 'a')));
    EXPECT_FALSE(EcritChamp(champ, std::string(16, 'b')));
    EXPECT_EQ(std::string(champ), std::string(15, 'b'));
    EXPECT_EQ(LitChamp(champ), std::string(15, 'b'));
}

TEST(Composant, ComponentsAndVariablesAreEqualByLabelOnly)
{
    struct Cas { composant a, b; bool egaux; };
    const Cas cas[] = {
        {Rec("a0", 0, 0, 1, 1, "un"), Rec("a0", 1, 1, 9, 0, "deux"), true},
        {Rec("a0", 0, 0), Rec("A0", 0, 0), false},
        {Rec("a0", 0, 0), Rec("a01", 0, 0), false},
        {Rec("", 0, 0), Rec("", 2, 1), true},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(Composant(c.a) == Composant(c.b), c.egaux) << c.a.label << " / " << c.b.label;
        EXPECT_EQ(Variable(c.a) == Variable(c.b), c.egaux) << c.a.label << " / " << c.b.label;
    }
}

// --- Variable ------------------------------------------------------------------

TEST(Variable, ValueIsNeverNegativeAndIsNotCarriedByACopy)
{
    Variable v(Rec("M05", 2, 1, 5));
    EXPECT_EQ(v.LValeur(), 0);
    for (auto [donnee, attendue] : {std::pair<short, short>{5, 5}, {0, 0}, {-5, 0}, {32767, 32767}, {-32768, 0}}) {
        v.MValeur(donnee);
        EXPECT_EQ(v.LValeur(), attendue) << donnee;
    }
    v.MValeur(12);
    v.MValeurF(2.5f);
    const Variable copie(v);
    EXPECT_EQ(copie.LValeur(), 0);
    EXPECT_STREQ(copie.LComposant().label, "M05");
    EXPECT_EQ(copie.LComposant().indice, 5);
    EXPECT_EQ(Variable().LValeur(), 0);
    EXPECT_STREQ(Variable().LComposant().label, "");
}

TEST(Variable, DisplayTextByNature)
{
    struct Cas { int nature; const char* label; short valeur; float valeurF; const char* texte; };
    const Cas cas[] = {
        {5, "P", 0, 1.5f, "P =1.500"},
        {5, "P", 0, -2.25f, "P =-2.250"},
        {0, "a3", 1, 0.0f, "a3 = 1  "},
        {1, "v", 255, 0.0f, "v = ff  "},
        {3, "C", 26, 0.0f, "C = 1a  "},
        {2, "M0C", 300, 0.0f, "M0C = 300  "},
        {4, "x1", 0, 0.0f, "x1 = 0  "},
        {10, "K", 7, 9.0f, "K = 7  "},
    };
    for (const Cas& c : cas) {
        Variable v(Rec(c.label, c.nature, 1));
        v.MValeur(c.valeur);
        v.MValeurF(c.valeurF);
        char out[Variable::TAILLE_TEXTE];
        v.LVariable(out);
        EXPECT_STREQ(out, c.texte);
        EXPECT_EQ(v.LVariable(), c.texte);
    }
}

TEST(Variable, DisplayTextNeverWritesPastThirtyTwoBytes)
{
    Variable v(Rec("ABCDEFGHIJKLMNO", 5, 1));
    v.MValeurF(3.0e38f);
    char out[48];
    std::memset(out, 'Z', sizeof out);
    v.LVariable(out);
    EXPECT_EQ(std::strlen(out), 31u);
    for (std::size_t i = Variable::TAILLE_TEXTE; i < sizeof out; ++i)
        EXPECT_EQ(out[i], 'Z') << i;
    const std::string complet = v.LVariable();
    EXPECT_GT(complet.size(), 31u);
    EXPECT_EQ(complet.substr(0, 31), std::string(out));
    EXPECT_EQ(complet.substr(complet.size() - 4), ".000");
}

TEST(Variable, RealDisplayUsesAPointUnderAFrenchLocale)
{
    const std::string ancienne = std::setlocale(LC_NUMERIC, nullptr);
    const char* trouvee = nullptr;
    for (const char* nom : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8", "de_DE.utf8"})
        if ((trouvee = std::setlocale(LC_NUMERIC, nom)) != nullptr)
            break;
    if (trouvee == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    Variable v(Rec("P", 5, 1));
    v.MValeurF(1.5f);
    const std::string texte = v.LVariable();
    std::setlocale(LC_NUMERIC, ancienne.c_str());
    EXPECT_EQ(texte, "P =1.500");
}

// --- Constant record -----------------------------------------------------------

TEST(Constante, RecordIsSixLittleEndianBytes)
{
    struct Cas { constante c; OctetsConstante octets; };
    const Cas cas[] = {
        {{0x0102, 1.5f}, {0x02, 0x01, 0x00, 0x00, 0xC0, 0x3F}},
        {{-2, -0.5f}, {0xFE, 0xFF, 0x00, 0x00, 0x00, 0xBF}},
        {{0, 0.0f}, {0, 0, 0, 0, 0, 0}},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(EncodeConstante(c.c), c.octets) << c.c.numero;
        const constante lu = DecodeConstante(c.octets);
        EXPECT_EQ(lu.numero, c.c.numero);
        EXPECT_EQ(lu.valeur, c.c.valeur);
    }
    EXPECT_EQ(EncodeConstante(Constante().LConstante()), (OctetsConstante{0, 0, 0, 0, 0, 0}));
}

TEST(Constante, ConstantsAreEqualByNumberOnly)
{
    EXPECT_TRUE(Constante({3, 1.0f}) == Constante({3, 2.0f}));
    EXPECT_FALSE(Constante({3, 1.0f}) == Constante({4, 1.0f}));
    const Constante c({7, 4.25f});
    EXPECT_EQ(c.LNumero(), 7);
    EXPECT_EQ(c.LValeur(), 4.25f);
}

// --- Settings file and pinion factor ------------------------------------------

TEST(Pignon, ReadFromTheSettingsFileOfTheCurrentDirectory)
{
    struct Cas { std::optional<std::string> fichier; float attendu; };
    const float defaut = 52.7787f;
    const Cas cas[] = {
        {std::nullopt, defaut},
        {"[OMBRIX]\nPignon=33.2\n", 33.2f},
        {"[ombrix]\r\n  pignon =  40.5  \r\n", 40.5f},
        {"\xEF\xBB\xBF[OMBRIX]\nPignon=41\n", 41.0f},
        {"[OMBRIX]\nPignon=-3.5", -3.5f},
        {"[OMBRIX]\nPignon=\"25\"\n", 25.0f},
        {"[OMBRIX]\nPignon=12.5mm\n", 12.5f},
        {"[OMBRIX]\nPignon=1,5\n", 1.0f},
        {"[OMBRIX]\nPignon=+5\n", 5.0f},
        {"[OMBRIX]\nPignon=0x10\n", 16.0f},
        // Only the first 19 characters are read.
        {"[OMBRIX]\nPignon=1234567890123456789012\n", 1234567890123456789.0f},
        {"[OMBRIX]\nPignon=0.0000000000000000009\n", 0.0f},
        {"[OMBRIX]\nPignon=20\nPignon=30\n", 20.0f},
        {"[OMBRIX]\nPignon=20\n[OMBRIX]\nPignon=30\n", 20.0f},
        {"[AUTRE]\nPignon=10\n[OMBRIX]\nTaille=3\n", defaut},
        {"Pignon=20\n[OMBRIX]\n", defaut},
        {"[OMBRIX]\n;Pignon=20\n", defaut},
        {"[OMBRIX]\nPignon=\n", defaut},
        {"[OMBRIX]\nPignon=abc\n", defaut},
        {"[OMBRIX]\nPignon=+ 5\n", defaut},
        {"[OMBRIX]\nPignon=+-5\n", defaut},
        {"[OMBRIX]\nPignon=inf\n", defaut},
        {"[OMBRIX]\nPignon=nan\n", defaut},
        {"[OMBRIX]\nPignon=1e99\n", defaut},
        {std::string("[OMBRIX]\nPignon=\0\n", 18), defaut},
    };
    for (const Cas& c : cas) {
        DossierCourant ici;
        if (c.fichier)
            ici.Ecrit("norimveldra.ini", *c.fichier);
        EXPECT_FLOAT_EQ(ListV::LitPignon(), c.attendu) << c.fichier.value_or("(no file)");
        EXPECT_FLOAT_EQ(ListV().LPignon(), c.attendu) << c.fichier.value_or("(no file)");
    }
}

TEST(Pignon, UnreadableSettingsFileGivesTheDefault)
{
    DossierCourant ici;
    fs::create_directory("norimveldra.ini");
    EXPECT_FLOAT_EQ(ListV::LitPignon(), 52.7787f);
}

TEST(ProfilPrive, DefaultAndValuesAreCutToTheBuffer)
{
    DossierCourant ici;
    EXPECT_EQ(LitProfilPrive("absent.ini", "S", "k", "valeur"), "valeur");
    EXPECT_EQ(LitProfilPrive("absent.ini", "S", "k", std::string(30, 'd')), std::string(19, 'd'));
    ici.Ecrit("p.ini", "[S]\nk = ' texte '\nvide=\n");
    EXPECT_EQ(LitProfilPrive("p.ini", "s", "K", "def"), " texte ");
    EXPECT_EQ(LitProfilPrive("p.ini", "S", "vide", "def"), "");
    EXPECT_EQ(LitProfilPrive("p.ini", "S", "k", "def", 4), " te");
    EXPECT_EQ(LitProfilPrive("p.ini", "S", "k", "def", 0), "");
}

// --- Variable list -------------------------------------------------------------

namespace {

// A list read from an empty directory (default pinion factor) with a small
// input/output image.
class ListVTest : public ::testing::Test {
public:
    ListVTest()
    {
        t.mot16 = 0;
        t.es = es;
        t.memM = memM;
        t.pos = pos;
        t.tempo = tempo;
        t.ana = ana;
        t.motW = motW;
        t.bitB = bitB;
    }

    DossierCourant ici;
    unsigned char es[8]{};
    unsigned char memM[8]{};
    std::int32_t pos[4]{};
    std::uint16_t tempo[4]{};
    std::uint16_t ana[4]{};
    std::uint16_t motW[4]{};
    unsigned char bitB[4]{};
    transfert t{};
};

} // namespace

TEST_F(ListVTest, FirstRegistrationOfALabelWins)
{
    ListV l;
    l.Ajoute(Rec("a0", 0, 0, 1, 1, "premier"));
    l.Ajoute(Rec("a0", 0, 0, 5, 2, "second"));
    l.Ajoute(Rec("a0", 1, 1, 6));
    EXPECT_EQ(l.NBel(0, 0), 1);
    EXPECT_EQ(l.NBel(1, 1), 0);
    composant out{};
    l.LComposant(0, 0, 0, out);
    EXPECT_EQ(out.indice, 1);
    EXPECT_STREQ(out.designation, "premier");
}

TEST_F(ListVTest, PositionsCountTheMostRecentFirstWithinANatureAndDirection)
{
    ListV l;
    EXPECT_EQ(l.NBel(0, 0), 0);
    l.Ajoute(Rec("a0", 0, 0, 0, 1));
    l.Ajoute(Rec("A0", 0, 1, 0, 1));
    l.Ajoute(Rec("a1", 0, 0, 0, 2));
    l.Ajoute(Rec("v", 1, 0, 3));
    EXPECT_EQ(l.NBel(0, 0), 2);
    EXPECT_EQ(l.NBel(0, 1), 1);
    EXPECT_EQ(l.NBel(1, 0), 1);
    EXPECT_EQ(l.NBel(2, 1), 0);
    EXPECT_EQ(l.NBel(256, 0), 0);

    composant out{};
    l.LComposant(0, 0, 0, out);
    EXPECT_STREQ(out.label, "a1");
    l.LComposant(1, 0, 0, out);
    EXPECT_STREQ(out.label, "a0");
    l.LComposant(0, 0, 1, out);
    EXPECT_STREQ(out.label, "A0");

    EXPECT_TRUE(l.Existe("a0"));
    EXPECT_TRUE(l.Existe("v"));
    EXPECT_FALSE(l.Existe("A1"));
    EXPECT_FALSE(l.Existe("a"));
    EXPECT_FALSE(l.Existe("a00"));
    EXPECT_FALSE(l.Existe(nullptr));
}

TEST_F(ListVTest, MissingPositionChangesNothing)
{
    ListV l;
    l.SetTrans(&t);
    l.Ajoute(Rec("M05", 2, 1, 5));
    l.MValeur(0, 2, 1, 9);
    for (short n : {1, 7, -1}) {
        EXPECT_EQ(l.LValeur(n, 2, 1), 0) << n;
        composant out = Rec("avant", 3, 0);
        l.LComposant(n, 2, 1, out);
        EXPECT_STREQ(out.label, "avant");
        char texte[32] = "inchangé";
        l.LLabel(n, 2, 1, texte);
        EXPECT_STREQ(texte, "inchangé");
        l.MValeur(n, 2, 1, 3);
    }
    EXPECT_EQ(l.LValeur(0, 2, 1), 9);
    EXPECT_EQ(l.LValeur(0, 2, 0), 0);
    EXPECT_EQ(memM[5], 9);
    EXPECT_EQ(std::count(memM, memM + 8, 0), 7);
}

TEST_F(ListVTest, MemorySizesFollowTheHexadecimalNumberOfTheLabel)
{
    struct Cas { std::vector<composant> recs; short m, w, b; };
    const Cas cas[] = {
        {{Rec("M0C", 2, 1)}, 13, 0, 0},
        {{Rec("w05", 2, 1), Rec("m05", 2, 1), Rec("b05", 2, 1)}, 0, 0, 0},
        {{Rec("B3", 2, 1), Rec("W10", 2, 1)}, 0, 17, 4},
        {{Rec("M5", 2, 1), Rec("M2", 2, 1)}, 6, 0, 0},
        {{Rec("M", 2, 1), Rec("Mxx", 2, 1), Rec("Bxx", 2, 1)}, 0, 0, 0},
        {{Rec("M-5", 2, 1)}, 0, 0, 0},
        {{Rec("M0x1f", 2, 1)}, 32, 0, 0},
        {{Rec("M7ffd", 2, 1)}, 32766, 0, 0},
        {{Rec("M7ffe", 2, 1)}, 32767, 0, 0},
        {{Rec("Mffffffff", 2, 1), Rec("Wfffffffffffff", 2, 1)}, 32767, 32767, 0},
        {{Rec("M5", 0, 1), Rec("W5", 1, 1), Rec("B5", 10, 1)}, 0, 0, 0},
    };
    for (const Cas& c : cas) {
        ListV l;
        for (const composant& r : c.recs)
            l.Ajoute(r);
        EXPECT_EQ(l.LNb(0), c.m) << c.recs.front().label;
        EXPECT_EQ(l.LNb(1), c.w) << c.recs.front().label;
        EXPECT_EQ(l.LNb(2), c.b) << c.recs.front().label;
        EXPECT_EQ(l.LNb(7), c.b);
        EXPECT_EQ(l.LNb(-1), c.b);
    }
}

TEST_F(ListVTest, FlushEmptiesTheListAndSizesButKeepsTheImage)
{
    ListV l;
    l.SetTrans(&t);
    l.Ajoute(Rec("M05", 2, 1, 5));
    l.Ajoute(Rec("B2", 2, 1, 0, 4));
    l.Flush();
    EXPECT_EQ(l.NBel(2, 1), 0);
    EXPECT_FALSE(l.Existe("M05"));
    EXPECT_EQ(l.LNb(0), 0);
    EXPECT_EQ(l.LNb(2), 0);

    l.Ajoute(Rec("a3", 0, 0, 2, 8));
    es[2] = 0x08;
    char texte[32] = "";
    l.LLabel(0, 0, 0, texte);
    EXPECT_STREQ(texte, "a3 = 1  ");
}

TEST_F(ListVTest, RefreshReadsTheImageByNature)
{
    struct Cas {
        composant rec;
        std::function<void(ListVTest&)> image;
        const char* texte;
        short valeur;
    };
    const Cas cas[] = {
        {Rec("a3", 0, 0, 2, 8), [](ListVTest& f) { f.es[2] = 0x08; }, "a3 = 1  ", 1},
        {Rec("a3", 0, 0, 2, 8), [](ListVTest& f) { f.es[2] = 0xF7; }, "a3 = 0  ", 0},
        {Rec("v", 1, 0, 1), [](ListVTest& f) { f.es[1] = 0x7F; }, "v = 7f  ", 0x7F},
        {Rec("v", 1, 0, 1), [](ListVTest& f) { f.es[1] = 0xF0; }, "v = 0  ", 0},
        {Rec("v", 1, 0, 1), [](ListVTest& f) { f.t.mot16 = 1; f.es[1] = 0x11; f.ana[1] = 0x1234; }, "v = 1234  ", 0x1234},
        {Rec("v", 1, 0, 1), [](ListVTest& f) { f.t.mot16 = 1; f.ana[1] = 0x8001; }, "v = 0  ", 0},
        {Rec("M05", 2, 1, 5), [](ListVTest& f) { f.memM[5] = 200; }, "M05 = 200  ", 200},
        {Rec("W02", 2, 1, 2), [](ListVTest& f) { f.motW[2] = 1000; }, "W02 = 1000  ", 1000},
        {Rec("t/x", 2, 1, 1), [](ListVTest& f) { f.tempo[1] = 42; }, "t/x = 42  ", 42},
        {Rec("B01", 2, 1, 1, 4), [](ListVTest& f) { f.bitB[1] = 4; }, "B01 = 1  ", 1},
        {Rec("B01", 2, 1, 1, 4), [](ListVTest& f) { f.bitB[1] = 3; }, "B01 = 0  ", 0},
        {Rec("C", 3, 1, 0), [](ListVTest& f) { f.ana[0] = 0x1a; }, "C = 1a  ", 0x1a},
        // 2000 counts are 1.0 before the scale and the default pinion factor.
        {Rec("P", 5, 1, 3), [](ListVTest& f) { f.pos[3] = 2000; }, "P =1.590", 0},
        {Rec("P", 5, 1, 3), [](ListVTest& f) { f.pos[3] = -4000; }, "P =-3.179", 0},
    };
    for (const Cas& c : cas) {
        ListVTest& f = *this;
        f.t.mot16 = 0;
        std::memset(f.es, 0, sizeof f.es);
        c.image(f);
        ListV l;
        l.SetTrans(&t);
        l.Ajoute(c.rec);
        char texte[32] = "";
        l.LLabel(0, c.rec.nature, c.rec.sens, texte);
        EXPECT_STREQ(texte, c.texte) << c.rec.label;
        EXPECT_EQ(l.LValeur(0, c.rec.nature, c.rec.sens), c.valeur) << c.rec.label;
    }
}

TEST_F(ListVTest, RefreshLeavesOtherNaturesAndLettersUnchanged)
{
    memM[0] = 77;
    ana[0] = 77;
    es[0] = 0xFF;
    ListV l;
    l.SetTrans(&t);
    for (const composant& r : {Rec("Z", 2, 1), Rec("x3", 4, 1), Rec("K", 10, 1)}) {
        l.Ajoute(r);
        l.MValeur(0, r.nature, r.sens, 9);
        char texte[32] = "";
        l.LLabel(0, r.nature, r.sens, texte);
        EXPECT_EQ(std::string(texte), std::string(r.label) + " = 9  ");
    }
}

TEST_F(ListVTest, PositionDisplayUsesThePinionFactorOfTheSettingsFile)
{
    ici.Ecrit("norimveldra.ini", "[OMBRIX]\nPignon=33.2\n");
    ListV l;
    l.SetTrans(&t);
    l.Ajoute(Rec("P", 5, 1, 0));
    pos[0] = 2000;
    char texte[32] = "";
    l.LLabel(0, 5, 1, texte);
    EXPECT_STREQ(texte, "P =1.000");
}

TEST_F(ListVTest, WritesGoToTheImageByNature)
{
    ListV l;
    l.SetTrans(&t);

    // A logical signal toggles its bit whatever the value; the value is the last one given.
    l.Ajoute(Rec("A3", 0, 1, 2, 8));
    es[2] = 0x01;
    l.MValeur(0, 0, 1, 1);
    EXPECT_EQ(es[2], 0x09);
    l.MValeur(0, 0, 1, 1);
    EXPECT_EQ(es[2], 0x01);
    EXPECT_EQ(l.LValeur(0, 0, 1), 1);
    l.MValeur(0, 0, 1, 0);
    EXPECT_EQ(es[2], 0x09);
    EXPECT_EQ(l.LValeur(0, 0, 1), 0);

    // Analog output: a byte of the port image, or a word when analog values are words.
    l.Ajoute(Rec("V", 1, 1, 1));
    l.MValeur(0, 1, 1, 0x1FF);
    EXPECT_EQ(es[1], 0xFF);
    EXPECT_EQ(ana[1], 0);
    EXPECT_EQ(l.LValeur(0, 1, 1), 0x1FF);
    t.mot16 = 1;
    l.MValeur(0, 1, 1, 0x2A5);
    EXPECT_EQ(ana[1], 0x2A5);
    EXPECT_EQ(es[1], 0xFF);

    // Memory: the unclamped value goes to the image, the clamped one is kept.
    l.Ajoute(Rec("M05", 2, 1, 5));
    l.MValeur(0, 2, 1, -5);
    EXPECT_EQ(memM[5], 0xFB);
    EXPECT_EQ(l.LValeur(0, 2, 1), 0);
    l.Ajoute(Rec("W02", 2, 1, 2));
    l.MValeur(0, 2, 1, -2);
    EXPECT_EQ(motW[2], 0xFFFE);
    l.Ajoute(Rec("t/x", 2, 1, 1));
    l.MValeur(0, 2, 1, 300);
    EXPECT_EQ(tempo[1], 300);

    // Memory bits and carriage values are not written.
    l.Ajoute(Rec("B01", 2, 1, 1, 4));
    l.MValeur(0, 2, 1, 1);
    EXPECT_EQ(bitB[1], 0);
    EXPECT_EQ(l.LValeur(0, 2, 1), 1);
    l.Ajoute(Rec("C", 3, 1, 0));
    ana[0] = 5;
    l.MValeur(0, 3, 1, 9);
    EXPECT_EQ(ana[0], 5);
    EXPECT_EQ(l.LValeur(0, 3, 1), 9);
}

TEST_F(ListVTest, WithoutAnImageReadAndWriteAreSafe)
{
    ListV l;
    const composant recs[] = {Rec("a3", 0, 0, 2, 8), Rec("v", 1, 0, 1), Rec("M05", 2, 1, 5),
                              Rec("W02", 2, 1, 2), Rec("t/x", 2, 0, 1), Rec("B01", 2, 0, 1, 4),
                              Rec("C", 3, 0), Rec("P", 5, 0)};
    for (const composant& r : recs)
        l.Ajoute(r);

    // No image at all: nothing is read, written or shown.
    for (const composant& r : recs) {
        char texte[32] = "inchangé";
        l.MValeur(0, r.nature, r.sens, 4);
        l.LLabel(0, r.nature, r.sens, texte);
        EXPECT_STREQ(texte, "inchangé") << r.label;
        EXPECT_EQ(l.LValeur(0, r.nature, r.sens), 0) << r.label;
    }

    // An image without areas: the value is kept and shown.
    transfert vide{};
    l.SetTrans(&vide);
    for (int mot16 : {0, 1}) {
        vide.mot16 = mot16;
        for (const composant& r : recs) {
            for (short n = 0; n < l.NBel(r.nature, r.sens); ++n) {
                composant rec{};
                l.LComposant(n, r.nature, r.sens, rec);
                char texte[32] = "";
                l.MValeur(n, r.nature, r.sens, 4);
                l.LLabel(n, r.nature, r.sens, texte);
                EXPECT_EQ(l.LValeur(n, r.nature, r.sens), 4) << rec.label;
                const std::string attendu = rec.nature == 5 ? "P =0.000" : std::string(rec.label) + " = 4  ";
                EXPECT_EQ(std::string(texte), attendu);
            }
        }
    }
}
