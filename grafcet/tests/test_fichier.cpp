// The diagram file: exact bytes, round trips, and damaged files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>
#include <unistd.h>

#include "Grafcet.h"
#include "elements/Elements.h"
#include "io/EcritureSure.h"

namespace {

using Octets = std::vector<unsigned char>;

Octets Ecrit(const Grafcet& g, bool* ok = nullptr)
{
    FILE* f = std::tmpfile();
    const bool reussi = g.EFichier(f);
    if (ok)
        *ok = reussi;
    const long taille = std::ftell(f);
    Octets octets(static_cast<std::size_t>(taille));
    std::rewind(f);
    if (taille > 0) {
        EXPECT_EQ(std::fread(octets.data(), 1, octets.size(), f), octets.size());
    }
    std::fclose(f);
    return octets;
}

bool Lit(const Octets& octets, Grafcet& g)
{
    FILE* f = std::tmpfile();
    if (!octets.empty())
        std::fwrite(octets.data(), 1, octets.size(), f);
    std::rewind(f);
    const bool complet = g.LFichier(f);
    std::fclose(f);
    return complet;
}


std::string TexteDe(SGrafcet& s)
{
    std::string t;
    s.LString(t);
    return t;
}

// A diagram holding every element type, texts with the equation codes.
void RemplitToutesSortes(Grafcet& g)
{
    g.Place<Etape>(0, 100, 40)->MNumero(1);
    g.Place<Action>(114, 50)->MString("{a}\xAD" "b|X|");
    g.Place<Transition>(100, 74)->MString("\xAF" "a.b+\xAE" "c");
    g.Place<Etape>(1, 100, 86)->MNumero(-20);
    g.Place<Transition>(100, 120);
    auto* div = g.Place<DivOu>(100, 132);
    div->ALiaison(TPoint(180, 132));
    auto* et = g.Place<DivEt>(100, 150);
    et->ALiaison(TPoint(200, 150));
    g.Place<ConvOu>(100, 170);
    g.Place<ConvEt>(100, 190)->ALiaison(TPoint(220, 190));
    g.Place<Retour>(TPoint(100, 400), TPoint(60, 0), TPoint(100, 40));
    g.Place<Macro>(300, 40)->MNumero(3);
    g.Place<MacroE>(400, 40)->MNumero(3);
    g.Place<MacroF>(400, 200)->MNumero(3);
    g.Place<CText>(10, 500)->MString("Ligne 1\nLigne 2 | {x} \\ é");
}

TEST(DiagramFile, EmptyDiagramIsTwoZeroBytes)
{
    Grafcet g;
    EXPECT_EQ(Ecrit(g), (Octets{0x00, 0x00}));
    Grafcet relu;
    EXPECT_TRUE(Lit({0x00, 0x00}, relu));
    EXPECT_TRUE(relu.Symboles().empty());
}

TEST(DiagramFile, InitialStepWithItsActionBlockIsTheWorkedExample)
{
    Grafcet g;
    g.Place<Etape>(0, 100, 40);
    g.Place<Action>(114, 50);
    const Octets attendu = {0x02, 0x00,
                            0x64, 0x00, 0x28, 0x00, 0x5A, 0x00, 0x6E, 0x00, 0x4A, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
                            0x72, 0x00, 0x32, 0x00, 0x6E, 0x00, 0x95, 0x00, 0x46, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00};
    EXPECT_EQ(Ecrit(g), attendu);
}

TEST(DiagramFile, EveryElementTypeRoundTripsByteForByte)
{
    Grafcet g;
    RemplitToutesSortes(g);
    const Octets premier = Ecrit(g);

    Grafcet relu;
    ASSERT_TRUE(Lit(premier, relu));
    ASSERT_EQ(relu.Symboles().size(), g.Symboles().size());
    for (std::size_t i = 0; i < g.Symboles().size(); ++i) {
        SCOPED_TRACE(i);
        SGrafcet& a = *g.Symboles()[i];
        SGrafcet& b = *relu.Symboles()[i];
        EXPECT_EQ(a.LType(), b.LType());
        EXPECT_EQ(a.LAncre(), b.LAncre());
        EXPECT_EQ(a.LRect(), b.LRect());
        EXPECT_EQ(a.LNumero(), b.LNumero());
        EXPECT_EQ(TexteDe(a), TexteDe(b));
        if (a.LType() >= DIV_OU && a.LType() <= CONV_ET) {
            EXPECT_EQ(a.LNbLiaison(), b.LNbLiaison());
        }
    }
    EXPECT_EQ(Ecrit(relu), premier);
}

TEST(DiagramFile, AndDivergenceRecordKeepsRectangleAndLinkCount)
{
    Grafcet g;
    g.Place<DivEt>(TPoint(100, 200), TRect(98, 200, 182, 202), 3);
    const Octets attendu = {0x01, 0x00, 0x64, 0x00, 0xC8, 0x00, 0x62, 0x00, 0xB6, 0x00,
                            0xCA, 0x00, 0x03, 0x00, 0x05};
    EXPECT_EQ(Ecrit(g), attendu);
    Grafcet relu;
    ASSERT_TRUE(Lit(attendu, relu));
    EXPECT_EQ(relu.Symboles()[0]->LRect(), TRect(98, 200, 182, 202));
    EXPECT_EQ(relu.Symboles()[0]->LNbLiaison(), 3);
}

TEST(DiagramFile, TextRulesOnTheWayBack)
{
    Grafcet g;
    g.Place<Transition>(0, 0)->MString(""); // cleared receptivity
    g.Place<CText>(0, 50);                  // comment never written
    g.Place<Action>(0, 100)->MString("");
    g.Place<CText>(0, 150)->MString(std::string("av\0ap", 5));
    const Octets octets = Ecrit(g);
    EXPECT_EQ(octets[0], 3); // the empty comment is not counted

    Grafcet relu;
    ASSERT_TRUE(Lit(octets, relu));
    ASSERT_EQ(relu.Symboles().size(), 3u);
    EXPECT_EQ(TexteDe(*relu.Symboles()[0]), "1");
    EXPECT_EQ(TexteDe(*relu.Symboles()[1]), "");
    EXPECT_EQ(TexteDe(*relu.Symboles()[2]), "av"); // cut at the zero byte
}

TEST(DiagramFile, UnknownTypeCodesAreSkipped)
{
    Octets octets = {0x03, 0x00};
    const Octets inconnu = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 15};
    const Octets etape = {0x0A, 0, 0x14, 0, 0, 0, 0x14, 0, 0x36, 0, 0, 0, 1, 0x07, 0};
    octets.insert(octets.end(), inconnu.begin(), inconnu.end());
    octets.insert(octets.end(), etape.begin(), etape.end());
    const Octets code255 = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 0xFF};
    octets.insert(octets.end(), code255.begin(), code255.end());
    Grafcet g;
    ASSERT_TRUE(Lit(octets, g));
    ASSERT_EQ(g.Symboles().size(), 1u);
    EXPECT_EQ(g.Symboles()[0]->LType(), ETAPE);
    EXPECT_EQ(g.Symboles()[0]->LNumero(), 7);
    EXPECT_EQ(g.Symboles()[0]->LRect(), TRect(0, 20, 20, 54));
}

TEST(DiagramFile, ReadingAppendsAfterExistingElements)
{
    Grafcet source;
    source.Place<Transition>(5, 5);
    const Octets octets = Ecrit(source);
    Grafcet g;
    g.Place<Etape>(0, 100, 40);
    ASSERT_TRUE(Lit(octets, g));
    ASSERT_EQ(g.Symboles().size(), 2u);
    EXPECT_EQ(g.Symboles()[0]->LType(), ETAPE_INITIALE);
    EXPECT_EQ(g.Symboles()[1]->LType(), TRANSITION);
}

TEST(DiagramFile, NegativeCountReadsNothing)
{
    Grafcet g;
    EXPECT_TRUE(Lit({0xFF, 0xFF, 1, 2, 3}, g));
    EXPECT_TRUE(g.Symboles().empty());
}

// Every cut of a valid file keeps exactly the records it still holds whole.
TEST(DiagramFile, TruncatedFileKeepsCompleteRecordsAndSaysSo)
{
    Grafcet g;
    RemplitToutesSortes(g);
    const Octets complet = Ecrit(g);

    // Where each record ends, from the size of each element's own record.
    std::vector<std::size_t> fins;
    std::size_t fin = 2;
    for (const auto& s : g.Symboles()) {
        FILE* f = std::tmpfile();
        s->EFichier(f);
        fin += static_cast<std::size_t>(std::ftell(f));
        std::fclose(f);
        fins.push_back(fin);
    }
    ASSERT_EQ(fins.back(), complet.size());

    for (std::size_t longueur = 0; longueur < complet.size(); ++longueur) {
        SCOPED_TRACE(longueur);
        Grafcet relu;
        const Octets coupe(complet.begin(), complet.begin() + static_cast<long>(longueur));
        EXPECT_FALSE(Lit(coupe, relu));
        std::size_t entiers = 0;
        while (entiers < fins.size() && fins[entiers] <= longueur)
            ++entiers;
        EXPECT_EQ(relu.Symboles().size(), entiers);
    }
}

TEST(DiagramFile, BrokenTextLengthsStopReading)
{
    const Octets etape = {0x0A, 0, 0x14, 0, 0, 0, 0x14, 0, 0x36, 0, 0, 0, 1, 0x07, 0};
    const Octets enteteTexte = {0x0A, 0, 0x14, 0, 0, 0, 0x14, 0, 0x36, 0, 0, 0, 2};
    struct Cas {
        const char* nom;
        Octets longueurEtSuite;
    };
    const Cas cas[] = {
        {"negative length", {0xFF, 0xFF, 'a', 'b'}},
        {"length past the end", {0x40, 0x00, 'a', 'b'}},
        {"largest length, few bytes", {0xFF, 0x7F, 'a'}},
        {"length field cut", {0x01}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Octets octets = {0x03, 0x00};
        octets.insert(octets.end(), etape.begin(), etape.end());
        octets.insert(octets.end(), enteteTexte.begin(), enteteTexte.end());
        octets.insert(octets.end(), c.longueurEtSuite.begin(), c.longueurEtSuite.end());
        octets.insert(octets.end(), etape.begin(), etape.end());
        Grafcet g;
        EXPECT_FALSE(Lit(octets, g));
        ASSERT_EQ(g.Symboles().size(), 1u);
        EXPECT_EQ(g.Symboles()[0]->LNumero(), 7);
    }
}

TEST(DiagramFile, CountLargerThanRecordsPresent)
{
    const Octets octets = {0x05, 0x00, 0x0A, 0, 0x14, 0, 0, 0, 0x14, 0, 0x36, 0, 0, 0, 1, 0x07, 0};
    Grafcet g;
    EXPECT_FALSE(Lit(octets, g));
    EXPECT_EQ(g.Symboles().size(), 1u);
    Grafcet vide;
    EXPECT_FALSE(Lit({}, vide)); // not even a count
    EXPECT_FALSE(Lit({0x01}, vide));
}

TEST(DiagramFile, TextTooLongForTheFormatIsRefusedNotCut)
{
    Grafcet g;
    g.Place<Etape>(0, 0, 0);
    g.Place<CText>(0, 0)->MString(std::string(32768, 'x'));
    bool ok = true;
    EXPECT_TRUE(Ecrit(g, &ok).empty());
    EXPECT_FALSE(ok);

    Grafcet limite;
    limite.Place<CText>(0, 0)->MString(std::string(32767, 'x'));
    const Octets octets = Ecrit(limite, &ok);
    EXPECT_TRUE(ok);
    Grafcet relu;
    ASSERT_TRUE(Lit(octets, relu));
    EXPECT_EQ(TexteDe(*relu.Symboles()[0]).size(), 32767u);
}

class EcritureSureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dossier = std::filesystem::temp_directory_path()
                  / ("veldra-ecriture-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
    }
    void TearDown() override { std::filesystem::remove_all(dossier); }

    std::string Contenu(const std::filesystem::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t NombreFichiers()
    {
        return static_cast<std::size_t>(std::distance(
            std::filesystem::directory_iterator(dossier), std::filesystem::directory_iterator()));
    }

    std::filesystem::path dossier;
};

TEST_F(EcritureSureTest, ReplacesTheTargetWhole)
{
    const auto cible = dossier / "a.gra";
    std::ofstream(cible) << "ancien contenu bien plus long";
    Grafcet g;
    g.Place<Etape>(0, 100, 40);
    std::string erreur;
    ASSERT_TRUE(EcritureSure(cible.string(), [&g](FILE* f) { return g.EFichier(f); }, &erreur))
        << erreur;
    EXPECT_EQ(Contenu(cible).size(), 17u);
    EXPECT_EQ(NombreFichiers(), 1u);
}

TEST_F(EcritureSureTest, RefusedContentLeavesTheOldFileAndNoTemporary)
{
    const auto cible = dossier / "a.gra";
    std::ofstream(cible) << "ancien";
    Grafcet g;
    g.Place<CText>(0, 0)->MString(std::string(40000, 'x'));
    std::string erreur;
    EXPECT_FALSE(EcritureSure(cible.string(), [&g](FILE* f) { return g.EFichier(f); }, &erreur));
    EXPECT_NE(erreur.find("a.gra"), std::string::npos);
    EXPECT_EQ(Contenu(cible), "ancien");
    EXPECT_EQ(NombreFichiers(), 1u);
}

TEST_F(EcritureSureTest, MissingDirectoryIsReportedInFrench)
{
    std::string erreur;
    EXPECT_FALSE(EcritureSure((dossier / "absent" / "a.gra").string(),
                              [](FILE*) { return true; }, &erreur));
    EXPECT_NE(erreur.find("introuvable"), std::string::npos) << erreur;
}

} // namespace
