// The settings store: an INI file with sections named after registry keys.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "FixturesPop.h"
#include "platform/Reglages.h"

using fixtures::Dossier;

namespace {

void EcritTexte(const std::filesystem::path& p, const std::string& texte)
{
    std::ofstream(p, std::ios::binary) << texte;
}

TEST(Reglages, ReadsValuesWithoutRegardToCase)
{
    Dossier d("veldra-reglages");
    EcritTexte(d / "v.ini",
               "; réglages\n[Software\\Norim\\Veldra\\Cible]\r\ncarte = 2\r\nP_OPERA=Perceuse\n"
               "CARTE=5\n[SOFTWARE\\NORIM\\VELDRA]\nPATH=C:\\veldra\\\n");
    const Reglages r((d / "v.ini").string());
    EXPECT_EQ(r.Carte(), 2); // the first entry of a name wins
    EXPECT_EQ(r.NomPop(), "Perceuse");
    EXPECT_EQ(r.RepertoireDonnees(), "C:\\veldra/");
    std::string v = "inchangé";
    EXPECT_FALSE(r.Lit(Reglages::CLE_CIBLE, "ABSENT", v));
    EXPECT_EQ(v, "inchangé");
}

TEST(Reglages, DefaultsWhenValuesAreMissing)
{
    Dossier d("veldra-reglages");
    const Reglages vide((d / "absent.ini").string());
    EXPECT_EQ(vide.Carte(), 0);
    EXPECT_EQ(vide.NomPop(), "");
    EXPECT_EQ(vide.RepertoireDonnees(), Reglages::DonneesFournies());
    EXPECT_EQ(Reglages::DonneesFournies().back(), '/');

    EcritTexte(d / "v.ini", "[SOFTWARE\\NORIM\\VELDRA\\CIBLE]\nCARTE=abc\n[SOFTWARE\\NORIM\\VELDRA]\nPATH=\n");
    const Reglages mauvais((d / "v.ini").string());
    EXPECT_EQ(mauvais.Carte(), 0);
    EXPECT_EQ(mauvais.RepertoireDonnees(), Reglages::DonneesFournies());
}

TEST(Reglages, WritesAndReadsBack)
{
    Dossier d("veldra-reglages");
    const std::string chemin = (d / "sous" / "dossier" / "veldra.ini").string();
    Reglages r(chemin);
    r.Ecrit(Reglages::CLE_CIBLE, "CARTE", "16");
    r.Ecrit(Reglages::CLE_CIBLE, "P_OPERA", "Presse\nà vis");
    r.Ecrit(Reglages::CLE_VELDRA, "PATH", "/srv/veldra");
    r.Ecrit("software\\norim\\veldra\\cible", "carte", "3"); // same key and value
    std::string erreur;
    ASSERT_TRUE(r.Sauve(&erreur)) << erreur;
    const Reglages relu(chemin);
    EXPECT_EQ(relu.Carte(), 3);
    EXPECT_EQ(relu.NomPop(), "Presse à vis");
    EXPECT_EQ(relu.RepertoireDonnees(), "/srv/veldra/");

    // A file in the way of the directory: the failure is reported.
    EcritTexte(d / "fichier", "x");
    Reglages bloque((d / "fichier" / "veldra.ini").string());
    bloque.Ecrit(Reglages::CLE_CIBLE, "CARTE", "1");
    EXPECT_FALSE(bloque.Sauve(&erreur));
    EXPECT_FALSE(erreur.empty());
}

TEST(Reglages, LocationFromTheEnvironment)
{
    const char* avant = std::getenv("VELDRA_SETTINGS");
    const std::string sauve = avant ? avant : "";
    ::setenv("VELDRA_SETTINGS", "/tmp/ailleurs.ini", 1);
    EXPECT_EQ(Reglages::CheminParDefaut(), "/tmp/ailleurs.ini");
    ::unsetenv("VELDRA_SETTINGS");
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string sauveXdg = xdg ? xdg : "";
    ::setenv("XDG_CONFIG_HOME", "/home/x/.cfg", 1);
    EXPECT_EQ(Reglages::CheminParDefaut(), "/home/x/.cfg/veldra/veldra.ini");
    if (xdg)
        ::setenv("XDG_CONFIG_HOME", sauveXdg.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    if (avant)
        ::setenv("VELDRA_SETTINGS", sauve.c_str(), 1);
}

} // namespace

namespace {

TEST(Reglages, FirstStartSeedsADataDirectoryOfTheUsersOwn)
{
    Dossier d("veldra-semis");
    const char* avant = std::getenv("VELDRA_SETTINGS");
    const std::string sauve = avant ? avant : "";
    const std::string chemin = (d / "veldra.ini").string();
    ::setenv("VELDRA_SETTINGS", chemin.c_str(), 1);
    {
        Reglages r(chemin);
        std::string erreur;
        ASSERT_TRUE(r.SemeDonnees(&erreur)) << erreur;
    }
    const std::string donnees = d.Prefixe() + "donnees/";
    EXPECT_EQ(Reglages(chemin).RepertoireDonnees(), donnees);
    for (const char* nom : {"LISTE.CAR", "p_opera.lst", "ombrix.ctt"}) {
        SCOPED_TRACE(nom);
        EXPECT_EQ(fixtures::Lit(donnees + nom), fixtures::Lit(Reglages::DonneesFournies() + nom));
    }
    // The user's files are kept, and a set directory is left alone.
    fixtures::Ecrit(donnees + "p_opera.lst", {0, 0});
    Reglages r(chemin);
    r.Ecrit(Reglages::CLE_VELDRA, "PATH", "");
    EXPECT_TRUE(r.SemeDonnees());
    EXPECT_EQ(fixtures::Lit(donnees + "p_opera.lst"), (std::vector<unsigned char>{0, 0}));
    Reglages autre((d / "autre.ini").string());
    autre.Ecrit(Reglages::CLE_VELDRA, "PATH", "/srv/veldra/");
    EXPECT_TRUE(autre.SemeDonnees());
    EXPECT_EQ(autre.RepertoireDonnees(), "/srv/veldra/");
    if (avant)
        ::setenv("VELDRA_SETTINGS", sauve.c_str(), 1);
    else
        ::unsetenv("VELDRA_SETTINGS");
}

} // namespace
