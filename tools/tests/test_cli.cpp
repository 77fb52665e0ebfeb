// veldra-cli dump and copy, run as separate processes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "ExempleAllerRetour.h"
#include "ExempleComplet.h"
#include "Grafcet.h"
#include "io/EcritureSure.h"

namespace fs = std::filesystem;

namespace {

struct Resultat {
    int statut = -1;
    std::string sortie;
    std::string erreurs;
};

std::string Lire(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Ecrire(const fs::path& p, const std::string& octets)
{
    std::ofstream(p, std::ios::binary) << octets;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        dossier = fs::temp_directory_path() / ("veldra-cli-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }

    Resultat Lance(const std::vector<std::string>& args)
    {
        const fs::path out = dossier / "stdout", err = dossier / "stderr";
        std::string commande = VELDRA_CLI;
        for (const auto& a : args)
            commande += " '" + a + "'";
        commande += " >" + out.string() + " 2>" + err.string();
        const int brut = std::system(commande.c_str());
        Resultat r;
        r.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
        r.sortie = Lire(out);
        r.erreurs = Lire(err);
        return r;
    }

    fs::path dossier;
};

TEST_F(Cli, BundledExampleIsTheChartTheCodeBuilds)
{
    Grafcet g;
    ConstruitAllerRetour(g);
    const fs::path construit = dossier / "construit.gra";
    ASSERT_TRUE(EcritureSure(construit.string(), [&g](FILE* f) { return g.EFichier(f); }));
    EXPECT_EQ(Lire(construit), Lire(fs::path(VELDRA_DATA) / "examples/aller-retour.gra"));
}

TEST_F(Cli, BundledCompleteExampleIsTheChartTheCodeBuilds)
{
    Grafcet g;
    ConstruitExempleComplet(g);
    const fs::path construit = dossier / "complet.gra";
    ASSERT_TRUE(EcritureSure(construit.string(), [&g](FILE* f) { return g.EFichier(f); }));
    EXPECT_EQ(Lire(construit), Lire(fs::path(VELDRA_DATA) / "examples/complet.gra"));
}

TEST_F(Cli, CompleteExampleGeneratesWithTheFactorySimulation)
{
    const Resultat r = Lance({"generate", "--data", VELDRA_DONNEES, "--card", "0", "--pop",
                              "Simulation", std::string(VELDRA_DATA) + "/examples/complet.gra"});
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.sortie, Lire(fs::path(VELDRA_GOLDEN) / "complet.prog"));
}

// The picture of the complete example, drawn by the element drawing through
// the SVG surface; docs/exemple-complet.png is made from it.
TEST_F(Cli, SvgOfTheCompleteExampleMatchesItsGoldenPicture)
{
    const Resultat r = Lance({"svg", std::string(VELDRA_DATA) + "/examples/complet.gra"});
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.sortie, Lire(fs::path(VELDRA_GOLDEN) / "complet.svg"));
    const Resultat z1 = Lance({"svg", "--zoom", "1", std::string(VELDRA_DATA) + "/examples/complet.gra"});
    EXPECT_NE(z1.sortie.find("width=\"" ), std::string::npos);
    const Resultat mauvais = Lance({"svg", "--zoom", "4", std::string(VELDRA_DATA) + "/examples/complet.gra"});
    EXPECT_EQ(mauvais.statut, 2);
    EXPECT_NE(mauvais.erreurs.find("zoom"), std::string::npos);
}

TEST_F(Cli, DumpOfTheExampleMatchesItsGoldenTable)
{
    const Resultat r = Lance({"dump", std::string(VELDRA_DATA) + "/examples/aller-retour.gra"});
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.erreurs, "");
    EXPECT_EQ(r.sortie, Lire(fs::path(VELDRA_GOLDEN) / "aller-retour.dump"));
}

TEST_F(Cli, DumpEscapesTextBytes)
{
    // One comment at (1, 2): tab, line feed, backslash, control, DEL, the edge code.
    const std::string texte = "a\tb\nc\\d\x01" "e\x7F" "f\xAD";
    std::string octets = {1, 0, 1, 0, 2, 0, 1, 0, 9, 0, 22, 0, 0, 0, 19,
                          static_cast<char>(texte.size()), 0};
    octets += texte;
    Ecrire(dossier / "t.gra", octets);
    const Resultat r = Lance({"dump", (dossier / "t.gra").string()});
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, "0\t19\t1\t2\t1\t2\t9\t22\t-\t-\ta\\tb\\nc\\\\d\\x01e\\x7Ff\\xAD\n");
}

TEST_F(Cli, DumpOfIncompleteFileShowsWhatWasReadThenSaysSo)
{
    // Two records announced, one present, the second cut in its fixed part.
    std::string octets = {2, 0, 100, 0, 40, 0, 90, 0, 110, 0, 74, 0, 0, 0, 0, 1, 0, 5, 0, 6};
    Ecrire(dossier / "cut.gra", octets);
    const Resultat r = Lance({"dump", (dossier / "cut.gra").string()});
    EXPECT_EQ(r.statut, 3);
    EXPECT_EQ(r.sortie, "0\t0\t100\t40\t90\t40\t110\t74\t-\t1\t-\n");
    EXPECT_EQ(r.erreurs, "incomplete\n");
}

TEST_F(Cli, UnreadableInputNamesTheFileAndReason)
{
    const std::string absent = (dossier / "absent.gra").string();
    struct Cas {
        std::string fichier;
        std::string raison;
    };
    for (const Cas& c : {Cas{absent, "introuvable"}, Cas{dossier.string(), "dossier"}}) {
        SCOPED_TRACE(c.fichier);
        for (const auto& args : {std::vector<std::string>{"dump", c.fichier},
                                 std::vector<std::string>{"copy", c.fichier,
                                                          (dossier / "o.gra").string()}}) {
            const Resultat r = Lance(args);
            EXPECT_EQ(r.statut, 2);
            EXPECT_EQ(r.sortie, "");
            EXPECT_NE(r.erreurs.find(c.fichier), std::string::npos) << r.erreurs;
            EXPECT_NE(r.erreurs.find(c.raison), std::string::npos) << r.erreurs;
            EXPECT_EQ(std::count(r.erreurs.begin(), r.erreurs.end(), '\n'), 1);
        }
    }
    EXPECT_FALSE(fs::exists(dossier / "o.gra"));
}

TEST_F(Cli, CopyRewritesByteForByte)
{
    const std::string source = std::string(VELDRA_DATA) + "/examples/aller-retour.gra";
    const fs::path cible = dossier / "copie.gra";
    Ecrire(cible, "ancien contenu");
    const Resultat r = Lance({"copy", source, cible.string()});
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(Lire(cible), Lire(source));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 3)
        << "no temporary file left beside the copy";
}

TEST_F(Cli, CopyOfIncompleteInputKeepsWhatWasReadAndSaysSo)
{
    std::string octets = {3, 0, 100, 0, 40, 0, 90, 0, 110, 0, 74, 0, 0, 0, 0, 1, 0};
    Ecrire(dossier / "cut.gra", octets);
    const Resultat r = Lance({"copy", (dossier / "cut.gra").string(), (dossier / "o.gra").string()});
    EXPECT_EQ(r.statut, 3);
    EXPECT_EQ(r.erreurs, "incomplete\n");
    octets[0] = 1;
    EXPECT_EQ(Lire(dossier / "o.gra"), octets);
}

TEST_F(Cli, CopyIntoMissingDirectoryFailsAndSaysWhy)
{
    const std::string source = std::string(VELDRA_DATA) + "/examples/aller-retour.gra";
    const Resultat r = Lance({"copy", source, (dossier / "non" / "o.gra").string()});
    EXPECT_EQ(r.statut, 4);
    EXPECT_NE(r.erreurs.find("introuvable"), std::string::npos) << r.erreurs;
}

TEST_F(Cli, BundledExampleGeneratesWithTheFactoryCarriage)
{
    const Resultat r = Lance({"generate", "--data", VELDRA_DONNEES, "--card", "0", "--pop", "Chariot",
                              std::string(VELDRA_DATA) + "/examples/aller-retour.gra"});
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.sortie, Lire(fs::path(VELDRA_GOLDEN) / "aller-retour.prog"));
    EXPECT_EQ(r.erreurs, "Grafcet : Généré\nAction: Généré\nRéceptivité: Généré\n");
}

TEST_F(Cli, WrongUsageShowsUsage)
{
    for (const auto& args : {std::vector<std::string>{}, std::vector<std::string>{"dump"},
                             std::vector<std::string>{"copy", "a"},
                             std::vector<std::string>{"frobnicate"}}) {
        const Resultat r = Lance(args);
        EXPECT_EQ(r.statut, 1);
        EXPECT_NE(r.erreurs.find("usage"), std::string::npos);
    }
}

} // namespace
