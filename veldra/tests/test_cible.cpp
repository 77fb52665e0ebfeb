// The target dialogs driven through their real widgets: the card choice and
// its port, the operative-part choice with its additions and removals, and
// the bytes these write to the operative-part file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

#include "ConversionTexte.h"
#include "cible/AvisCible.h"
#include "cible/FichierParties.h"
#include "cible/TCarteC.h"
#include "cible/TConfigurer.h"
#include "cible/TOrbanOp.h"
#include "cible/TPartOp.h"
#include "cible/TPuxOp.h"
#include "cible/TSimulOp.h"
#include "platform/Reglages.h"
#include "tests/FixturesPop.h"

namespace {

using fixtures::Bloc;
using fixtures::C;
using Octets = std::vector<unsigned char>;

struct Carte {
    const char* nom;
    int code;
};

Octets OctetsListeCartes(const std::vector<Carte>& cartes, int edition)
{
    Octets o;
    fixtures::Mot(o, static_cast<int>(cartes.size()));
    for (const auto& c : cartes) {
        char nom[20] = {};
        std::strncpy(nom, c.nom, 19);
        o.insert(o.end(), nom, nom + 20);
        o.push_back(static_cast<unsigned char>(c.code));
        o.push_back(0);
        o.push_back(0);
    }
    o.push_back(static_cast<unsigned char>(edition));
    return o;
}

const std::vector<Carte> CARTES = {{"Simulation", 0}, {"KR40", 1}, {"ORBAN", 2}, {"PUX", 3},
                                   {"Tolb", 5},       {"EPP", 6},  {"COM", 7}};

struct Message {
    QString titre;
    QString texte;
    QMessageBox::Icon icone;
};

// One data directory and one settings file per test; the messages are kept
// instead of shown.
class Cible : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        donnees = tmp.filePath("donnees/").toStdString();
        QDir().mkpath(QString::fromStdString(donnees));
        reglages = tmp.filePath("veldra.ini").toStdString();
        ancienReglages = qgetenv("VELDRA_SETTINGS");
        qputenv("VELDRA_SETTINGS", QByteArray::fromStdString(reglages));
        Reglages r(reglages);
        r.Ecrit(Reglages::CLE_VELDRA, "PATH", donnees);
        ASSERT_TRUE(r.Sauve());
        fixtures::Ecrit(donnees + "LISTE.CAR", OctetsListeCartes(CARTES, 1));
        ancienAvis = AvisCible::Affiche;
        AvisCible::Affiche = [this](QWidget*, const QString& titre, const QString& texte,
                                    QMessageBox::Icon icone) { messages.push_back({titre, texte, icone}); };
    }
    void TearDown() override
    {
        AvisCible::Affiche = ancienAvis;
        qputenv("VELDRA_SETTINGS", ancienReglages);
    }

    std::string Pop() const { return donnees + "p_opera.lst"; }
    void EcritPop(const std::vector<Bloc>& blocs) { fixtures::Ecrit(Pop(), fixtures::OctetsPop(blocs)); }
    Octets LitPop() const { return fixtures::Lit(Pop()); }

    // Names left in the data directory: no temporary file may stay behind.
    QStringList Fichiers() const
    {
        QStringList l = QDir(QString::fromStdString(donnees)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        l.sort();
        return l;
    }

    QTemporaryDir tmp;
    std::string donnees;
    std::string reglages;
    QByteArray ancienReglages;
    AvisCible::Fonction ancienAvis;
    std::vector<Message> messages;
};

template <class T>
T* Ouvert()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<T*>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}

// Runs `action` on the modal dialog of type T once it is shown; whatever the
// action leaves open is then cancelled, so a test never waits for a user.
template <class T>
void QuandOuvert(std::function<void(T*)> action)
{
    QTimer::singleShot(0, [action] {
        T* d = Ouvert<T>();
        if (!d) {
            ADD_FAILURE() << "the expected dialog is not shown";
            return;
        }
        action(d);
        if (d->isVisible())
            d->reject();
    });
}

QComboBox* Liste(QWidget* d, const char* id) { return d->findChild<QComboBox*>(id); }
QLineEdit* Edit(QWidget* d, const char* id) { return d->findChild<QLineEdit*>(id); }
void Clic(QWidget* d, const char* id) { d->findChild<QPushButton*>(id)->click(); }
bool Montre(QWidget* d, const char* id) { return !d->findChild<QPushButton*>(id)->isHidden(); }

void Choisit(QComboBox* l, const QString& texte)
{
    const int i = l->findText(texte);
    ASSERT_GE(i, 0) << texte.toStdString();
    l->setCurrentIndex(i);
}

QStringList Entrees(QComboBox* l)
{
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->itemText(i);
    return t;
}

// ---- card choice ----

TEST_F(Cible, CardCodeIsGivenOnOkAndKeptOnCancel)
{
    char carte = 0;
    TCarteC annule(nullptr, &carte);
    QuandOuvert<TCarteC>([](TCarteC* d) {
        Choisit(Liste(d, "102"), "ORBAN");
        Clic(d, "2");
    });
    EXPECT_EQ(annule.Execute(), 2);
    EXPECT_EQ(carte, 0);

    TCarteC choix(nullptr, &carte);
    QuandOuvert<TCarteC>([](TCarteC* d) {
        Choisit(Liste(d, "102"), "ORBAN");
        Clic(d, "1");
    });
    EXPECT_EQ(choix.Execute(), 1);
    EXPECT_EQ(carte, 2);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Cible, InitialCardAndConfigurerFollowTheCode)
{
    // Code 0 prefers the first entry that begins with "simulation", in any case.
    fixtures::Ecrit(donnees + "LISTE.CAR",
                    OctetsListeCartes({{"Banc", 0}, {"SIMULATION PC", 0}, {"KR40", 1}, {"ORBAN", 2},
                                       {"EPP", 6}, {"COM", 7}},
                                      1));
    struct Cas {
        int code;
        const char* choisie;  // "" : nothing selected
        bool configurer;
    };
    for (const Cas& cas : std::vector<Cas>{{0, "SIMULATION PC", false},
                                           {1, "KR40", true},
                                           {2, "ORBAN", false},
                                           {6, "EPP", true},
                                           {7, "COM", true},
                                           {9, "", false}}) {
        SCOPED_TRACE(cas.code);
        char carte = static_cast<char>(cas.code);
        TCarteC d(nullptr, &carte);
        EXPECT_EQ(Liste(&d, "102")->currentText(), QString::fromUtf8(cas.choisie));
        EXPECT_EQ(Montre(&d, "101"), cas.configurer);
        // Without a card chosen, OK has nothing to give back.
        EXPECT_EQ(d.findChild<QPushButton*>("1")->isEnabled(), *cas.choisie != 0);
    }

    char carte = 2;
    TCarteC d(nullptr, &carte);
    EXPECT_EQ(Entrees(Liste(&d, "102")),
              (QStringList{"Banc", "SIMULATION PC", "KR40", "ORBAN", "EPP", "COM"}));
    Choisit(Liste(&d, "102"), "EPP");
    EXPECT_TRUE(Montre(&d, "101"));
    Choisit(Liste(&d, "102"), "Banc");
    EXPECT_FALSE(Montre(&d, "101"));
}

TEST_F(Cible, MissingCardListIsReportedAndTheDialogCancelled)
{
    QFile::remove(QString::fromStdString(donnees + "LISTE.CAR"));
    char carte = 3;
    TCarteC d(nullptr, &carte);
    EXPECT_EQ(d.Execute(), 2);
    EXPECT_EQ(carte, 3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].titre, "erreur");
    EXPECT_EQ(messages[0].texte, "Manque fichier d'extension *.car");
    EXPECT_EQ(messages[0].icone, QMessageBox::Warning);

    // The list is found whatever the case of its name.
    messages.clear();
    fixtures::Ecrit(donnees + "liste.car", OctetsListeCartes(CARTES, 1));
    TCarteC trouve(nullptr, &carte);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Liste(&trouve, "102")->currentText(), "PUX");
}

TEST_F(Cible, TruncatedCardListOffersTheCardsReadAndSaysSo)
{
    Octets o = OctetsListeCartes(CARTES, 1);
    o.resize(2 + 23 * 2 + 10); // two whole records, the third cut
    fixtures::Ecrit(donnees + "LISTE.CAR", o);
    char carte = 0;
    TCarteC d(nullptr, &carte);
    EXPECT_EQ(Entrees(Liste(&d, "102")), (QStringList{"Simulation", "KR40"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.contains("incomplète"));
}

// ---- port settings ----

TEST_F(Cible, PortSettingIsShownAndWritten)
{
    struct Cas {
        int code;
        const char* stocke;   // value in the store before, nullptr: none
        const char* montre;   // what the list shows first
        const char* choix;    // what the test chooses, nullptr: keeps it
        const char* ecrit;    // the stored value after OK
    };
    const std::vector<Cas> cas = {
        {7, nullptr, "COM1", "COM3", "3"},
        {1, "5", "COM5", nullptr, "5"},
        {6, nullptr, "$378", "$278", "278"},
        {6, "278", "$278", "$378", "378"},
        // An address the list does not offer is kept, not replaced.
        {6, "3bc", "$3bc", nullptr, "3bc"},
        {6, "n'importe", "$378", nullptr, "378"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::to_string(c.code) + " " + (c.stocke ? c.stocke : "-"));
        const bool serie = c.code != 6;
        const char* cle = serie ? "SOFTWARE\\NORIM\\VELDRA\\CARTE" : "Software\\NORIM\\norim_port";
        const char* valeur = serie ? "KR40" : "port";
        {
            Reglages r(reglages);
            r.Ecrit(cle, valeur, c.stocke ? c.stocke : "");
            ASSERT_TRUE(r.Sauve());
        }
        TConfigurer d(nullptr, c.code, "EPP");
        EXPECT_EQ(d.windowTitle(), "EPP");
        EXPECT_EQ(Liste(&d, "101")->currentText(), c.montre);
        if (serie) {
            EXPECT_EQ(Liste(&d, "101")->count(), 8);
        }
        if (c.choix)
            Choisit(Liste(&d, "101"), c.choix);
        Clic(&d, "1");
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(Reglages(reglages).Lit(cle, valeur, "?"), c.ecrit);
        // The data directory stays where it was.
        EXPECT_EQ(Reglages(reglages).RepertoireDonnees(), donnees);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Cible, ConfigurerOpensThePortOfTheChosenCard)
{
    char carte = 0;
    TCarteC d(nullptr, &carte);
    QuandOuvert<TCarteC>([](TCarteC* d) {
        Choisit(Liste(d, "102"), "EPP");
        QuandOuvert<TConfigurer>([](TConfigurer* c) {
            EXPECT_EQ(c->windowTitle(), "EPP");
            Choisit(Liste(c, "101"), "$278");
            Clic(c, "1");
        });
        Clic(d, "101");
        Clic(d, "2");
    });
    EXPECT_EQ(d.Execute(), 2);
    EXPECT_EQ(carte, 0);
    EXPECT_EQ(Reglages(reglages).Lit("Software\\NORIM\\norim_port", "port", ""), "278");
}

TEST_F(Cible, UnsavedPortIsReported)
{
    // The settings file's directory is a regular file: nothing can be written there.
    const QString bloque = tmp.filePath("fichier");
    QFile f(bloque);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("VELDRA_SETTINGS", (bloque + "/veldra.ini").toUtf8());
    TConfigurer d(nullptr, 7, "COM");
    Choisit(Liste(&d, "101"), "COM2");
    Clic(&d, "1");
    EXPECT_NE(d.result(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.startsWith("Le port n'a pas été enregistré"));
}

// ---- new operative parts ----

composant R(int categorie, int nature, int sens, int indice, int masque, const char* label)
{
    composant c = C(nature, sens, indice, masque, label);
    c.categorie = static_cast<unsigned char>(categorie);
    return c;
}

const std::vector<Bloc> DEPART = {
    {0, 1, "Usine", {C(0, 0, 0, 1, "e1"), C(0, 1, 0, 1, "S1")}},
    {0, 0, "Un", {C(0, 0, 0, 2, "e2")}},
    {2, 0, "Trois", {C(0, 1, 0, 4, "A2"), C(0, 0, 1, 8, "b3"), C(2, 0, 0, 0, "t/x")}},
};

// The block appended to `avant`, once the start of the file is checked.
struct Ajout {
    unsigned char carte = 0;
    unsigned char protege = 0;
    std::string nom;
    std::vector<composant> records;
};

Ajout DernierBloc(const Octets& avant, const Octets& apres)
{
    Ajout a;
    EXPECT_GT(apres.size(), avant.size());
    if (apres.size() <= avant.size() || avant.size() < 2)
        return a;
    // The count grows by one, the blocks already there are untouched.
    EXPECT_EQ(apres[0] | (apres[1] << 8), (avant[0] | (avant[1] << 8)) + 1);
    EXPECT_TRUE(std::equal(avant.begin() + 2, avant.end(), apres.begin() + 2));
    const unsigned char* p = apres.data() + avant.size();
    a.carte = p[0];
    a.protege = p[1];
    a.nom.assign(reinterpret_cast<const char*>(p + 2), strnlen(reinterpret_cast<const char*>(p + 2), 20));
    // The name field is zeroed after the name.
    EXPECT_TRUE(std::all_of(p + 2 + a.nom.size(), p + 22, [](unsigned char o) { return o == 0; }));
    const int n = p[22] | (p[23] << 8);
    EXPECT_EQ(apres.size(), avant.size() + 24 + static_cast<std::size_t>(n) * 72);
    for (int i = 0; i < n && avant.size() + 24 + static_cast<std::size_t>(i + 1) * 72 <= apres.size(); ++i) {
        composant c;
        std::memcpy(&c, p + 24 + i * 72, 72);
        a.records.push_back(c);
    }
    return a;
}

void AttendRecords(const std::vector<composant>& lus, const std::vector<composant>& attendus)
{
    ASSERT_EQ(lus.size(), attendus.size());
    for (std::size_t i = 0; i < lus.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::memcmp(&lus[i], &attendus[i], sizeof(composant)), 0)
            << "label " << LitChamp(lus[i].label) << " expected " << LitChamp(attendus[i].label)
            << " / categorie " << int(lus[i].categorie) << " nature " << int(lus[i].nature) << " sens "
            << int(lus[i].sens) << " indice " << int(lus[i].indice) << " masque " << int(lus[i].masque);
    }
}

TEST_F(Cible, SimulationPartWithTenInputsAndThreeOutputs)
{
    EcritPop(DEPART);
    const Octets avant = LitPop();
    std::string nom;
    TSimulOp d(nullptr, &nom, donnees);
    EXPECT_EQ(d.windowTitle(), "Partie opérative de simulation");
    EXPECT_EQ(Edit(&d, "101")->text(), "Partie opérative");
    EXPECT_EQ(Edit(&d, "102")->text(), "16");
    EXPECT_EQ(Edit(&d, "103")->text(), "8");
    Edit(&d, "101")->setText("Essai");
    Edit(&d, "102")->setText("10");
    Edit(&d, "103")->setText("3");
    Clic(&d, "1");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(nom, "Essai");

    const Ajout a = DernierBloc(avant, LitPop());
    EXPECT_EQ(a.carte, 0);
    EXPECT_EQ(a.protege, 0);
    EXPECT_EQ(a.nom, "Essai");
    AttendRecords(a.records, {
        R(0, 0, 1, 0, 1, "S1"), R(0, 0, 1, 0, 2, "S2"), R(0, 0, 1, 0, 4, "S3"),
        R(0, 0, 0, 0, 8, "e1"), R(0, 0, 0, 0, 16, "e2"), R(0, 0, 0, 0, 32, "e3"),
        R(0, 0, 0, 0, 64, "e4"), R(0, 0, 0, 0, 128, "e5"),
        R(0, 0, 0, 1, 1, "e6"), R(0, 0, 0, 1, 2, "e7"), R(0, 0, 0, 1, 4, "e8"),
        R(0, 0, 0, 1, 8, "e9"), R(0, 0, 0, 1, 16, "e10"),
        R(0, 2, 0, 0, 0, "t/x"), R(0, 2, 1, 0, 0, "Mxx"), R(0, 2, 0, 0, 0, "Bxx"),
    });
    EXPECT_EQ(Fichiers(), (QStringList{"LISTE.CAR", "p_opera.lst"}));
}

TEST_F(Cible, SimulationCountsAreReadAndLimited)
{
    struct Cas {
        const char* entrees;
        const char* sorties;
        int records; // 0: nothing written, the dialog cancelled
        const char* premier;
        const char* dernier; // last signal before the three templates
    };
    for (const Cas& c : std::vector<Cas>{{"0", "250", 103, "S1", "S100"},
                                         {"250", "0", 103, "e1", "e100"},
                                         {" 2x", "-5", 5, "e1", "e2"},
                                         {"abc", "0", 0, "", ""},
                                         {"-3", "", 0, "", ""}}) {
        SCOPED_TRACE(std::string(c.entrees) + "/" + c.sorties);
        EcritPop(DEPART);
        const Octets avant = LitPop();
        std::string nom = "inchangé";
        TSimulOp d(nullptr, &nom, donnees);
        Edit(&d, "102")->setText(c.entrees);
        Edit(&d, "103")->setText(c.sorties);
        Clic(&d, "1");
        if (c.records == 0) {
            EXPECT_EQ(d.result(), QDialog::Rejected);
            EXPECT_EQ(LitPop(), avant);
            EXPECT_EQ(nom, "inchangé");
            continue;
        }
        EXPECT_EQ(d.result(), QDialog::Accepted);
        const Ajout a = DernierBloc(avant, LitPop());
        ASSERT_EQ(static_cast<int>(a.records.size()), c.records);
        EXPECT_EQ(LitChamp(a.records.front().label), c.premier);
        EXPECT_EQ(LitChamp(a.records[a.records.size() - 4].label), c.dernier);
        EXPECT_EQ(LitChamp(a.records.back().label), "Bxx");
    }
}

TEST_F(Cible, OrbanPartRecords)
{
    EcritPop(DEPART);
    const Octets avant = LitPop();
    std::string nom;
    TOrbanOp d(nullptr, &nom, donnees);
    EXPECT_EQ(d.windowTitle(), "Partie opérative");
    EXPECT_EQ(Edit(&d, "105")->text(), "Partie opérative");
    for (const char* id : {"101", "102", "103", "104"}) {
        EXPECT_EQ(Entrees(Liste(&d, id)), (QStringList{"Entrée", "Sortie"}));
        EXPECT_EQ(Liste(&d, id)->currentText(), "Entrée");
    }
    Choisit(Liste(&d, "101"), "Sortie");   // port A
    Choisit(Liste(&d, "104"), "Sortie");   // upper half of port C
    Clic(&d, "1");
    EXPECT_EQ(nom, "Partie op\xE9rative"); // Windows-1252 bytes

    const Ajout a = DernierBloc(avant, LitPop());
    EXPECT_EQ(a.carte, 2);
    EXPECT_EQ(a.nom, "Partie op\xE9rative");
    ASSERT_EQ(a.records.size(), 29u);
    std::vector<composant> attendus;
    for (int b = 0; b < 8; ++b)
        attendus.push_back(R(11, 0, 1, 0, 1 << b, ("A" + std::to_string(b)).c_str()));
    for (int b = 0; b < 8; ++b)
        attendus.push_back(R(11, 0, 0, 1, 1 << b, ("b" + std::to_string(b)).c_str()));
    for (int b = 0; b < 4; ++b)
        attendus.push_back(R(11, 0, 0, 2, 1 << b, ("c" + std::to_string(b)).c_str()));
    for (int b = 4; b < 8; ++b)
        attendus.push_back(R(11, 0, 1, 2, 1 << b, ("C" + std::to_string(b)).c_str()));
    attendus.push_back(R(4, 1, 1, 3, 0, "V"));
    attendus.push_back(R(5, 1, 0, 4, 0, "v"));
    attendus.push_back(R(0, 2, 0, 0, 0, "t/x"));
    attendus.push_back(R(0, 2, 1, 0, 0, "Mxx"));
    attendus.push_back(R(0, 2, 0, 0, 0, "Bxx"));
    AttendRecords(a.records, attendus);
}

TEST_F(Cible, PuxPartRecords)
{
    EcritPop(DEPART);
    const Octets avant = LitPop();
    std::string nom;
    TPuxOp d(nullptr, &nom, donnees);
    EXPECT_EQ(d.windowTitle(), "Partie opérative de la Carte Pux");
    Edit(&d, "109")->setText("Pux 1");
    Choisit(Liste(&d, "102"), "Sortie");   // port B of the first chip
    Choisit(Liste(&d, "105"), "Sortie");   // port A of the second chip
    Choisit(Liste(&d, "108"), "Sortie");   // upper half of its port C
    Clic(&d, "1");

    const Ajout a = DernierBloc(avant, LitPop());
    EXPECT_EQ(a.carte, 3);
    EXPECT_EQ(a.nom, "Pux 1");
    ASSERT_EQ(a.records.size(), 51u);
    struct Cas {
        std::size_t n;
        composant attendu;
    };
    for (const Cas& c : std::vector<Cas>{{0, R(8, 0, 0, 0, 1, "a10")},
                                         {7, R(8, 0, 0, 0, 128, "a17")},
                                         {8, R(8, 0, 1, 1, 1, "B10")},
                                         {16, R(8, 0, 0, 2, 1, "c10")},
                                         {20, R(8, 0, 0, 2, 16, "c14")},
                                         {24, R(7, 0, 1, 3, 1, "A20")},
                                         {31, R(7, 0, 1, 3, 128, "A27")},
                                         {32, R(7, 0, 0, 4, 1, "b20")},
                                         {40, R(7, 0, 0, 5, 1, "c20")},
                                         {44, R(7, 0, 1, 5, 16, "C24")},
                                         {47, R(7, 0, 1, 5, 128, "C27")},
                                         {48, R(0, 2, 0, 0, 0, "t/x")},
                                         {49, R(0, 2, 1, 0, 0, "Mxx")},
                                         {50, R(0, 2, 0, 0, 0, "Bxx")}}) {
        SCOPED_TRACE(c.n);
        AttendRecords({a.records[c.n]}, {c.attendu});
    }
}

TEST_F(Cible, UnfitNamesAreRefusedAndTheFileKept)
{
    EcritPop(DEPART);
    const Octets avant = LitPop();
    struct Cas {
        QString nom;
        const char* raison; // nullptr: accepted
    };
    for (const Cas& c : std::vector<Cas>{
             {"Dix-neuf caractères", "trop long"},
             {"Un", "s'appelle déjà"},
             {"Usine", "s'appelle déjà"},
             {"Partie \u2603", "caractères qui ne peuvent pas"},
             // A name of another card's part is free for this one.
             {"Trois", nullptr},
             {"Dix-huit éléphants", nullptr},
         }) {
        SCOPED_TRACE(c.nom.toStdString());
        EcritPop(DEPART);
        messages.clear();
        std::string nom;
        TSimulOp d(nullptr, &nom, donnees);
        Edit(&d, "101")->setText(c.nom);
        Clic(&d, "1");
        if (c.raison) {
            EXPECT_NE(d.result(), QDialog::Accepted);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_TRUE(messages[0].texte.contains(QString::fromUtf8(c.raison))) << messages[0].texte.toStdString();
            EXPECT_EQ(LitPop(), avant);
            EXPECT_TRUE(nom.empty());
        } else {
            EXPECT_EQ(d.result(), QDialog::Accepted);
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(DernierBloc(avant, LitPop()).nom, VersOctets(c.nom));
        }
    }
}


TEST_F(Cible, EmptyNameWritesNothing)
{
    EcritPop(DEPART);
    const Octets avant = LitPop();
    std::string nom = "ancien";
    TOrbanOp d(nullptr, &nom, donnees);
    Edit(&d, "105")->clear();
    Clic(&d, "1");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(nom, "");
    EXPECT_EQ(LitPop(), avant);
    EXPECT_TRUE(messages.empty());
}

// ---- operative-part choice ----

TEST_F(Cible, PartListShowsTheCardsPartsAndGivesTheChoiceOnOk)
{
    EcritPop({{0, 1, "Usine", {}}, {2, 0, "Orban", {}}, {0, 0, "Un", {}}, {0, 0, "Deux", {}}});
    std::string nom = "Un";
    TPartOp d(nullptr, 0, &nom);
    EXPECT_EQ(d.windowTitle(), "Choix de la partie opérative");
    EXPECT_EQ(Entrees(Liste(&d, "101")), (QStringList{"Usine", "Un", "Deux"}));
    EXPECT_EQ(Liste(&d, "101")->currentText(), "Un");
    QuandOuvert<TPartOp>([](TPartOp* d) {
        Choisit(Liste(d, "101"), "Deux");
        Clic(d, "1");
    });
    EXPECT_EQ(d.Execute(), 1);
    EXPECT_EQ(nom, "Deux");

    TPartOp annule(nullptr, 0, &nom);
    QuandOuvert<TPartOp>([](TPartOp* d) {
        Choisit(Liste(d, "101"), "Usine");
        Clic(d, "2");
    });
    EXPECT_EQ(annule.Execute(), 2);
    EXPECT_EQ(nom, "Deux");
}

TEST_F(Cible, AddAndRemoveButtonsFollowTheCardAndTheParts)
{
    EcritPop({{0, 1, "Usine", {}}, {0, 0, "Libre", {}}, {1, 0, "K", {}}, {2, 0, "O", {}},
              {5, 0, "T", {}}, {6, 0, "E", {}}, {7, 0, "C", {}}});
    struct Cas {
        int carte;
        int edition;
        const char* nom;
        bool ajouter;
        bool enlever;
    };
    for (const Cas& c : std::vector<Cas>{{0, 1, "Libre", true, true},
                                         {0, 1, "Usine", true, false},
                                         {0, 1, "absent", true, false},
                                         {0, 0, "Libre", false, false},
                                         {1, 1, "K", false, true},
                                         {2, 1, "O", true, true},
                                         {5, 1, "T", false, true},
                                         {6, 1, "E", false, true},
                                         {7, 1, "C", true, true}}) {
        SCOPED_TRACE(std::to_string(c.carte) + " " + c.nom);
        fixtures::Ecrit(donnees + "LISTE.CAR", OctetsListeCartes(CARTES, c.edition));
        std::string nom = c.nom;
        TPartOp d(nullptr, static_cast<char>(c.carte), &nom);
        EXPECT_EQ(Montre(&d, "102"), c.ajouter);
        EXPECT_EQ(Montre(&d, "103"), c.enlever);
    }

    // Choosing another part brings "Enlever" up to date.
    std::string nom = "Libre";
    TPartOp d(nullptr, 0, &nom);
    Choisit(Liste(&d, "101"), "Usine");
    EXPECT_FALSE(Montre(&d, "103"));
    Choisit(Liste(&d, "101"), "Libre");
    EXPECT_TRUE(Montre(&d, "103"));
}

TEST_F(Cible, RemovingTheSecondOfThreeBlocksKeepsTheOthersByteForByte)
{
    const Bloc premier{0, 0, "Un", {C(0, 0, 0, 1, "e1", "entrée un"), C(0, 1, 0, 1, "S1")}};
    const Bloc second{0, 0, "Deux", {C(0, 0, 0, 2, "e2"), C(2, 0, 0, 0, "t/x"), C(0, 1, 1, 4, "S9")}};
    const Bloc troisieme{0, 0, "Trois", {C(1, 0, 3, 0, "an")}};
    EcritPop({premier, second, troisieme});
    std::string nom = "Deux";
    TPartOp d(nullptr, 0, &nom);
    ASSERT_TRUE(Montre(&d, "103"));
    Clic(&d, "103");
    EXPECT_EQ(LitPop(), fixtures::OctetsPop({premier, troisieme}));
    EXPECT_EQ(Entrees(Liste(&d, "101")), (QStringList{"Un", "Trois"}));
    EXPECT_EQ(Liste(&d, "101")->currentText(), "Un");
    EXPECT_EQ(Fichiers(), (QStringList{"LISTE.CAR", "p_opera.lst"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Cible, ReadOnlyPartIsNeverRemoved)
{
    EcritPop(DEPART);
    const Octets avant = LitPop();
    std::string nom = "Usine";
    TPartOp d(nullptr, 0, &nom);
    EXPECT_FALSE(Montre(&d, "103"));
    Clic(&d, "103"); // even when the hidden button is pressed
    EXPECT_EQ(LitPop(), avant);
    EXPECT_EQ(Entrees(Liste(&d, "101")), (QStringList{"Usine", "Un"}));
    EXPECT_EQ(fichierparties::Enleve(Pop(), 0, "Usine"), fichierparties::Resultat::Protege);
    EXPECT_EQ(fichierparties::Enleve(Pop(), 2, "Un"), fichierparties::Resultat::Introuvable);
    EXPECT_EQ(LitPop(), avant);
}

TEST_F(Cible, AddedPartJoinsTheListSelected)
{
    EcritPop(DEPART);
    std::string nom = "Usine";
    TPartOp d(nullptr, 0, &nom);
    QuandOuvert<TPartOp>([](TPartOp* d) {
        QuandOuvert<TSimulOp>([](TSimulOp* s) {
            Edit(s, "101")->setText("Nouvelle");
            Clic(s, "1");
        });
        Clic(d, "102");
        EXPECT_EQ(Liste(d, "101")->currentText(), "Nouvelle");
        EXPECT_TRUE(Montre(d, "103"));
        Clic(d, "1");
    });
    EXPECT_EQ(d.Execute(), 1);
    EXPECT_EQ(nom, "Nouvelle");
    std::vector<fichierparties::Partie> parties;
    bool complet = false;
    ASSERT_TRUE(fichierparties::Liste(Pop(), parties, complet));
    EXPECT_TRUE(complet);
    ASSERT_EQ(parties.size(), 4u);
    EXPECT_EQ(parties.back().nom, "Nouvelle");
    EXPECT_EQ(parties.back().carte, 0);
    EXPECT_FALSE(parties.back().protege);
}

TEST_F(Cible, MissingPartFileCancelsTheChoiceSilently)
{
    std::string nom = "Un";
    TPartOp d(nullptr, 0, &nom);
    EXPECT_EQ(d.Execute(), 2);
    EXPECT_EQ(nom, "Un");
    EXPECT_TRUE(messages.empty());
}

// The file size limit of the process makes the rewrite itself fail after
// the file was read, the way a full disk would.
class LimiteTaille {
public:
    explicit LimiteTaille(rlim_t octets)
    {
        ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &ancienne);
        rlimit l = ancienne;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~LimiteTaille()
    {
        setrlimit(RLIMIT_FSIZE, &ancienne);
        std::signal(SIGXFSZ, ancienSignal);
    }

private:
    rlimit ancienne{};
    void (*ancienSignal)(int) = nullptr;
};

TEST_F(Cible, FailedRewriteIsReportedAndLeavesTheFileIntact)
{
    EcritPop(DEPART);
    const Octets avant = LitPop();
    std::string nom = "Un";
    TPartOp d(nullptr, 0, &nom);
    {
        LimiteTaille limite(64);
        Clic(&d, "103");
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.startsWith("La partie opérative « Un » n'a pas été enlevée"))
        << messages[0].texte.toStdString();
    EXPECT_EQ(LitPop(), avant);
    EXPECT_EQ(Entrees(Liste(&d, "101")), (QStringList{"Usine", "Un"}));
    EXPECT_EQ(Fichiers(), (QStringList{"LISTE.CAR", "p_opera.lst"}));

    messages.clear();
    std::string nouveau;
    TSimulOp s(nullptr, &nouveau, donnees);
    {
        LimiteTaille limite(64);
        Clic(&s, "1");
    }
    EXPECT_NE(s.result(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.contains("n'a pas été enregistrée")) << messages[0].texte.toStdString();
    EXPECT_EQ(LitPop(), avant);
    EXPECT_TRUE(nouveau.empty());
    EXPECT_EQ(Fichiers(), (QStringList{"LISTE.CAR", "p_opera.lst"}));
}

TEST_F(Cible, UnreadablePartFileIsReported)
{
    // The operative-part file is a directory.
    QDir().mkpath(QString::fromStdString(Pop()));
    std::string nom = "Un";
    TPartOp d(nullptr, 0, &nom);
    EXPECT_EQ(d.Execute(), 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.startsWith("Les parties opératives ne peuvent pas être lues"));

    messages.clear();
    TSimulOp s(nullptr, &nom, donnees);
    Edit(&s, "101")->setText("Nouvelle");
    Clic(&s, "1");
    EXPECT_NE(s.result(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.contains("n'a pas été enregistrée"));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Pop())).isDir());
    EXPECT_EQ(nom, "Un");
}

TEST_F(Cible, DamagedPartFileIsNeverRewritten)
{
    const Octets sain = fixtures::OctetsPop(DEPART);
    Octets tronque(sain.begin(), sain.end() - 10);
    Octets suivi = sain;
    suivi.push_back(0x55);
    Octets compte = sain;
    compte[0] = 4; // announces a fourth block
    for (const Octets& abime : {tronque, suivi, compte}) {
        SCOPED_TRACE(abime.size());
        fixtures::Ecrit(Pop(), abime);
        std::string erreur;
        EXPECT_EQ(fichierparties::Enleve(Pop(), 0, "Un", &erreur), fichierparties::Resultat::Echec);
        EXPECT_NE(erreur.find("endommagé"), std::string::npos);
        EXPECT_EQ(fichierparties::Ajoute(Pop(), 0, "Autre", {C(0, 0, 0, 1, "e1")}),
                  fichierparties::Resultat::Echec);
        EXPECT_EQ(LitPop(), abime);

        // The dialog still offers the parts it could read, and says so.
        messages.clear();
        std::string nom = "Un";
        TPartOp d(nullptr, 0, &nom);
        EXPECT_EQ(Liste(&d, "101")->currentText(), "Un");
        EXPECT_FALSE(Montre(&d, "102"));
        EXPECT_FALSE(Montre(&d, "103"));
        EXPECT_EQ(messages.size(), 1u);
    }
}

} // namespace
