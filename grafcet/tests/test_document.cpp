// The diagram document: reading, saving, reverting, flags and properties.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "FixturesPop.h"
#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "elements/Elements.h"

namespace fs = std::filesystem;
using fixtures::Dossier;
using fixtures::Lit;

namespace {

// Initial step, its action block, a transition "a.b", step 2 and its action
// block, and a comment: 6 records in the file.
void Remplit(Grafcet& g)
{
    TPoint p(100, 40);
    g.Ajoute(ETAPE_INITIALE, p, AUCUN);
    p = TPoint(100, 74);
    g.Ajoute(ETAPE, p, ETAPE_INITIALE);
    g.MString(TPoint(100, 80), "a.b");
    g.Place<CText>(TPoint(250, 40))->MString("note");
}

std::size_t Nombre(TGrafDoc& d)
{
    return d.PGraf()->Symboles().size();
}

// A diagram file of the fixture, written through a document.
std::size_t EcritDiagramme(const fs::path& chemin)
{
    TGrafDoc d;
    d.SetDocPath(chemin.string());
    Remplit(*d.PGraf());
    d.Modif();
    EXPECT_TRUE(d.Commit(false)) << d.DerniereErreur();
    return Nombre(d);
}

std::vector<std::string> Contenu(const fs::path& dossier)
{
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier))
        noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

short Generer(const TGrafDoc& d)
{
    short v = -7;
    EXPECT_EQ(d.GetProperty(TGrafDoc::PropGenerer, &v, 0), v);
    return v;
}

} // namespace

TEST(NouveauDocument, HasAnEmptyDiagramAndNothingToRead)
{
    TGrafDoc d;
    ASSERT_NE(d.PGraf(), nullptr);
    EXPECT_TRUE(d.PGraf()->Symboles().empty());
    EXPECT_FALSE(d.Open(0, nullptr));
    EXPECT_TRUE(d.DerniereErreur().empty());
    EXPECT_FALSE(d.IsGenerer());
    EXPECT_FALSE(d.IsDirty());
    EXPECT_TRUE(d.LGraf().empty());
    EXPECT_EQ(d.LVariab(), d.PGraf()->ListVar());
}

// The view reaches the diagram through PGraf all the time; for a diagram
// without a file that must not wipe the edits (no question on close) nor the
// generation (run commands disabled).
TEST(NouveauDocument, PGrafKeepsEditsAndGenerationOfAnUnsavedDiagram)
{
    TGrafDoc d;
    Remplit(*d.PGraf());
    d.Modif();
    d.SetGenerer(true);
    EXPECT_EQ(Nombre(d), 6u);
    EXPECT_TRUE(d.IsDirty());
    EXPECT_TRUE(d.IsGenerer());
}

TEST(NouveauDocument, CannotBeCommittedWithoutAPath)
{
    TGrafDoc d;
    EXPECT_TRUE(d.Commit(false)); // clean: nothing to write
    d.Modif();
    EXPECT_FALSE(d.Commit(false));
    EXPECT_FALSE(d.DerniereErreur().empty());
    EXPECT_TRUE(d.IsDirty());
    EXPECT_FALSE(d.Commit(true));
}

TEST(DrapeauGenere, ClearedByEditSaveAndOpen)
{
    Dossier dossier("doc-genere");
    const auto chemin = dossier / "g.gra";
    EcritDiagramme(chemin);

    struct Cas {
        const char* quoi;
        void (*action)(TGrafDoc&);
    };
    const Cas cas[] = {
        {"Modif", [](TGrafDoc& d) { d.Modif(); }},
        {"Commit(true)", [](TGrafDoc& d) { EXPECT_TRUE(d.Commit(true)); }},
        {"Open", [](TGrafDoc& d) { EXPECT_TRUE(d.Open(0, nullptr)); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        TGrafDoc d;
        ASSERT_TRUE(d.Open(0, chemin.c_str()));
        d.SetGenerer(true);
        EXPECT_EQ(Generer(d), 1);
        char tampon[4] = {'x', 'x', 'x', 'x'};
        EXPECT_EQ(d.GetProperty(0, tampon, 0), 1);
        EXPECT_EQ(std::string(tampon, 4), "xxxx");

        c.action(d);
        EXPECT_FALSE(d.IsGenerer());
        EXPECT_EQ(Generer(d), 0);
        EXPECT_EQ(d.GetProperty(0, tampon, 0), 0);
        EXPECT_EQ(std::string(tampon, 4), "xxxx");
    }
}

TEST(Commit, WritesOnlyWhenDirtyOrForced)
{
    Dossier dossier("doc-commit");
    const auto chemin = dossier / "c.gra";
    TGrafDoc d;
    d.SetDocPath(chemin.string());
    Remplit(*d.PGraf());

    EXPECT_TRUE(d.Commit(false));
    EXPECT_FALSE(fs::exists(chemin));

    EXPECT_TRUE(d.Commit(true));
    ASSERT_TRUE(fs::exists(chemin));
    const auto octets = Lit(chemin);
    EXPECT_EQ(octets[0] | (octets[1] << 8), 6);

    fs::remove(chemin);
    d.Modif();
    EXPECT_TRUE(d.Commit(false));
    EXPECT_TRUE(fs::exists(chemin));
    EXPECT_FALSE(d.IsDirty());
    EXPECT_EQ(Contenu(dossier.chemin), std::vector<std::string>{"c.gra"});
}

TEST(Fichier, SaveAndReopenGiveTheSameBytes)
{
    Dossier dossier("doc-aller-retour");
    const auto premier = dossier / "a.gra";
    const auto second = dossier / "b.gra";
    const std::size_t n = EcritDiagramme(premier);

    TGrafDoc d;
    ASSERT_TRUE(d.Open(0, premier.c_str()));
    EXPECT_FALSE(d.Incomplet());
    EXPECT_FALSE(d.IsDirty());
    EXPECT_EQ(Nombre(d), n);
    d.SetDocPath(second.string());
    ASSERT_TRUE(d.Commit(true)) << d.DerniereErreur();
    EXPECT_EQ(Lit(second), Lit(premier));
}

TEST(Fichier, PGrafReadsTheFileOnceOnFirstNeed)
{
    Dossier dossier("doc-paresseux");
    const auto chemin = dossier / "p.gra";
    const std::size_t n = EcritDiagramme(chemin);

    TGrafDoc d;
    d.SetDocPath(chemin.string());
    EXPECT_EQ(Nombre(d), n);
    EXPECT_EQ(Nombre(d), n);
}

TEST(Fichier, OpeningTwiceAppendsTheDiagramAgain)
{
    Dossier dossier("doc-double");
    const auto chemin = dossier / "d.gra";
    const std::size_t n = EcritDiagramme(chemin);

    TGrafDoc d;
    EXPECT_TRUE(d.Open(0, chemin.c_str()));
    EXPECT_TRUE(d.Open(0, nullptr));
    EXPECT_EQ(Nombre(d), 2 * n);
}

TEST(Fichier, IncompleteFileKeepsCompleteRecordsAndSaysSo)
{
    Dossier dossier("doc-incomplet");
    const auto chemin = dossier / "i.gra";
    const auto entier = dossier / "e.gra";
    const std::size_t n = EcritDiagramme(chemin);
    fs::copy_file(chemin, entier);
    fs::resize_file(chemin, fs::file_size(chemin) - 2); // cuts the comment's text

    TGrafDoc d;
    EXPECT_TRUE(d.Open(0, chemin.c_str()));
    EXPECT_TRUE(d.Incomplet());
    EXPECT_FALSE(d.DerniereErreur().empty());
    EXPECT_EQ(Nombre(d), n - 1);

    EXPECT_TRUE(d.Open(0, entier.c_str()));
    EXPECT_FALSE(d.Incomplet());
    EXPECT_TRUE(d.DerniereErreur().empty());
}

TEST(Fichier, OpenWithoutAFileThereLeavesTheDiagramAndCleansFlags)
{
    Dossier dossier("doc-absent");
    TGrafDoc d;
    Remplit(*d.PGraf());
    d.Modif();
    EXPECT_FALSE(d.Open(0, (dossier / "absent.gra").c_str()));
    EXPECT_TRUE(d.DerniereErreur().empty());
    EXPECT_EQ(Nombre(d), 6u);
    EXPECT_FALSE(d.IsDirty());
}

TEST(Fichier, OpenRefusesADirectoryAndChangesNothing)
{
    Dossier dossier("doc-dossier");
    fs::create_directory(dossier / "x.gra");
    TGrafDoc d;
    Remplit(*d.PGraf());
    d.Modif();
    d.SetGenerer(true);
    EXPECT_FALSE(d.Open(0, (dossier / "x.gra").c_str()));
    EXPECT_NE(d.DerniereErreur().find("dossier"), std::string::npos) << d.DerniereErreur();
    EXPECT_EQ(Nombre(d), 6u);
    EXPECT_TRUE(d.IsDirty());
    EXPECT_TRUE(d.IsGenerer());
}

TEST(Commit, FailedWriteKeepsOldFileAndFlags)
{
    Dossier dossier("doc-echec");
    const auto ancien = dossier / "ancien.gra";
    EcritDiagramme(ancien);
    const auto octetsAnciens = Lit(ancien);
    fixtures::Ecrit(dossier / "fichier", {1, 2, 3});
    fs::create_directory(dossier / "rep.gra");

    struct Cas {
        const char* quoi;
        fs::path cible;
        bool texteTropLong;
    };
    const Cas cas[] = {
        {"missing directory", dossier / "manque" / "a.gra", false},
        {"parent is a regular file", dossier / "fichier" / "a.gra", false},
        {"target is a directory", dossier / "rep.gra", false},
        {"text too long for the file", ancien, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        TGrafDoc d;
        d.SetDocPath(c.cible.string());
        Remplit(*d.PGraf());
        if (c.texteTropLong)
            d.PGraf()->Place<CText>(TPoint(400, 40))->MString(std::string(40000, 'x'));
        d.Modif();
        d.SetGenerer(true);

        EXPECT_FALSE(d.Commit(false));
        EXPECT_FALSE(d.DerniereErreur().empty());
        EXPECT_TRUE(d.IsDirty());
        EXPECT_TRUE(d.IsGenerer());
        EXPECT_EQ(Lit(ancien), octetsAnciens);
        EXPECT_TRUE(fs::is_directory(dossier / "rep.gra"));
        EXPECT_EQ(Contenu(dossier.chemin),
                  (std::vector<std::string>{"ancien.gra", "fichier", "rep.gra"}));
    }
}

TEST(Revert, RestoresTheFileContentWithoutDoubling)
{
    Dossier dossier("doc-revert");
    const auto chemin = dossier / "r.gra";
    const std::size_t n = EcritDiagramme(chemin);

    TGrafDoc d;
    ASSERT_TRUE(d.Open(0, chemin.c_str()));
    TPoint p(300, 40);
    d.PGraf()->Ajoute(ETAPE_INITIALE, p, AUCUN);
    d.Modif();
    d.SetGenerer(true);

    EXPECT_TRUE(d.Revert(false));
    EXPECT_EQ(Nombre(d), n);
    EXPECT_FALSE(d.IsDirty());
    EXPECT_FALSE(d.IsGenerer());
    d.PGraf()->Recupere(); // the diagram given up does not come back
    EXPECT_EQ(Nombre(d), n);

    const auto copie = dossier / "copie.gra";
    d.SetDocPath(copie.string());
    ASSERT_TRUE(d.Commit(true));
    EXPECT_EQ(Lit(copie), Lit(chemin));
}

TEST(Revert, WithoutAFileToReadChangesNothing)
{
    Dossier dossier("doc-revert-absent");
    for (const std::string& chemin : {std::string(), (dossier / "absent.gra").string()}) {
        SCOPED_TRACE(chemin);
        TGrafDoc d;
        d.SetDocPath(chemin);
        Remplit(*d.PGraf());
        d.Modif();
        EXPECT_FALSE(d.Revert(false));
        EXPECT_FALSE(d.DerniereErreur().empty());
        EXPECT_EQ(Nombre(d), 6u);
        EXPECT_TRUE(d.IsDirty());
    }
}

TEST(Close, LeavesNoDiagramAndRefusesToReadOrWrite)
{
    Dossier dossier("doc-ferme");
    const auto chemin = dossier / "f.gra";
    EcritDiagramme(chemin);
    const auto octets = Lit(chemin);

    TGrafDoc d;
    ASSERT_TRUE(d.Open(0, chemin.c_str()));
    EXPECT_TRUE(d.Close());
    EXPECT_EQ(d.PGraf(), nullptr);
    EXPECT_EQ(d.LVariab(), nullptr);
    EXPECT_FALSE(d.Open(0, nullptr));
    EXPECT_FALSE(d.Revert(false));
    EXPECT_FALSE(d.Commit(true));
    EXPECT_EQ(Lit(chemin), octets);
    EXPECT_EQ(Generer(d), 0);
}

TEST(Proprietes, NamesFlagsAndLookup)
{
    TGrafDoc d;
    EXPECT_EQ(d.PropertyCount(), 14);

    const std::pair<const char*, int> noms[] = {
        {"Type", 11},   {"Grafcet", 12},  {"Variable", 13},    {"Generer", 14},
        {"generer", 0}, {"TYPE", 0},      {"", 0},             {nullptr, 0},
        {"DocTitle", 5}, {"StorageSize", 9}, {"DocumentClass", 1}, {"FileHandle", 10},
    };
    for (const auto& [nom, index] : noms) {
        SCOPED_TRACE(nom ? nom : "(null)");
        EXPECT_EQ(d.FindProperty(nom), index);
        if (index) {
            EXPECT_STREQ(d.PropertyName(index), nom);
        }
    }

    EXPECT_EQ(d.PropertyName(0), nullptr);
    EXPECT_EQ(d.PropertyName(15), nullptr);
    EXPECT_EQ(d.PropertyName(-3), nullptr);
    const std::pair<int, int> drapeaux[] = {{11, 1}, {12, 2}, {13, 2}, {14, 2}, {15, 0},
                                            {0, 0},  {4, 1},  {9, 3},  {10, 2}};
    for (const auto& [index, attendu] : drapeaux)
        EXPECT_EQ(d.PropertyFlags(index), attendu) << index;
}

TEST(Proprietes, TypeTextNeverOverrunsTheBuffer)
{
    TGrafDoc d;
    const struct {
        int longueur;
        const char* texte;
        int resultat;
    } cas[] = {{15, "Grafcet", 7}, {8, "Grafcet", 7}, {7, "Grafce", 6}, {2, "G", 1}, {1, "", 0}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.longueur);
        char tampon[20];
        std::memset(tampon, '#', sizeof tampon);
        EXPECT_EQ(d.GetProperty(TGrafDoc::PropType, tampon, c.longueur), c.resultat);
        EXPECT_STREQ(tampon, c.texte);
        for (int i = c.longueur; i < 20; ++i)
            ASSERT_EQ(tampon[i], '#') << i;
    }
}

TEST(Proprietes, RequestsThatStoreNothing)
{
    TGrafDoc d;
    d.SetGenerer(true);
    const struct {
        int index;
        int longueur;
        int resultat;
    } cas[] = {
        {12, 0, 1}, {13, 0, 1}, {0, 0, 1},  // binary answers without a value
        {15, 15, 0}, {15, 0, 0}, {14, 15, 0}, // unknown index, or text of a binary one
        {11, 0, 0}, {11, -1, 0},              // binary of a text one
        {4, 15, 0}, {9, 0, 0},                // no path: no file properties
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.index << "/" << c.longueur);
        char tampon[16];
        std::memset(tampon, '#', sizeof tampon);
        EXPECT_EQ(d.GetProperty(c.index, tampon, c.longueur), c.resultat);
        EXPECT_EQ(std::string(tampon, sizeof tampon), std::string(16, '#'));
    }
    EXPECT_EQ(d.GetProperty(14, nullptr, 0), 1);
    EXPECT_EQ(d.GetProperty(11, nullptr, 15), 0);
}

TEST(Proprietes, FileDocumentPropertiesOfASavedDiagram)
{
    Dossier dossier("doc-proprietes");
    const auto chemin = dossier / "plan.gra";
    EcritDiagramme(chemin);
    TGrafDoc d;
    ASSERT_TRUE(d.Open(0, chemin.c_str()));

    char texte[256];
    EXPECT_GT(d.GetProperty(TFileDocument::DocumentClass, texte, sizeof texte), 0);
    EXPECT_STREQ(texte, "TGrafDoc");
    EXPECT_GT(d.GetProperty(TFileDocument::StoragePath, texte, sizeof texte), 0);
    EXPECT_EQ(texte, chemin.string());
    EXPECT_EQ(d.GetProperty(TFileDocument::StoragePath, texte, 4), 3);
    EXPECT_EQ(std::string(texte), chemin.string().substr(0, 3));
    EXPECT_EQ(d.GetProperty(TFileDocument::DocTitle, texte, sizeof texte), 8);
    EXPECT_STREQ(texte, "plan.gra");

    const auto taille = static_cast<std::int64_t>(fs::file_size(chemin));
    EXPECT_GT(d.GetProperty(TFileDocument::StorageSize, texte, sizeof texte), 0);
    EXPECT_EQ(texte, std::to_string(taille));
    std::int64_t valeur = 0;
    EXPECT_EQ(d.GetProperty(TFileDocument::StorageSize, &valeur, 0),
              static_cast<int>(sizeof valeur));
    EXPECT_EQ(valeur, taille);
    EXPECT_EQ(d.GetProperty(TFileDocument::ModifyTime, &valeur, 0),
              static_cast<int>(sizeof valeur));
    EXPECT_GT(valeur, 0);
    EXPECT_EQ(d.GetProperty(TFileDocument::ModifyTime, texte, sizeof texte), 19); // jj/mm/aaaa hh:mm:ss
    EXPECT_EQ(d.GetProperty(TFileDocument::FileHandle, &valeur, 0), 0);
}
