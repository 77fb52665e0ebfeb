// The target and diagram nomenclatures: the kinds and frames in their
// orders, the component a click designates, editing and the save question,
// the component dialog, the document's properties, the variables of a
// generated diagram, page counts and printed pages.
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ConversionTexte.h"
#include "FixturesPop.h"
#include "GenereProgramme.h"
#include "Grafcet.h"
#include "SelectionCible.h"
#include "doc/TGrafDoc.h"
#include "elements/Elements.h"
#include "nomenclature/Dessin.h"
#include "nomenclature/TComposant.h"
#include "nomenclature/TNomDoc.h"
#include "nomenclature/TNomGraf.h"
#include "nomenclature/TNomView.h"
#include "platform/Reglages.h"
#include "pop/POpera.h"
#include "vue/veldraWindowView.h"

using namespace fixtures;
using nomenclature::Categorie;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }
// Texts of the records are bytes of the product's code page.
std::string B(const char* utf8) { return VersOctets(U(utf8)); }

// The operative part keeps its components most recent first: a block
// written in reverse lists them, position by position, in the order given.
Bloc Partie(const std::string& nom, std::vector<composant> records, int protege = 0, int carte = 0)
{
    std::reverse(records.begin(), records.end());
    return {carte, protege, nom, std::move(records)};
}

// Logical inputs e1..e3, logical outputs S1 S2, an analog output, a
// position output, a carriage action, a memory and a constant; no analog
// input.
std::vector<composant> PartieComplete()
{
    return {C(0, 0, 0, 1, "e1", B("Départ cycle").c_str()), C(0, 0, 0, 2, "e2", "Capteur haut"),
            C(0, 0, 0, 4, "e3", "Capteur bas"),  C(0, 1, 1, 1, "S1", "Moteur"),
            C(0, 1, 1, 2, "S2", "Voyant"),       C(1, 1, 0, 0, "A1", "Vitesse"),
            C(5, 1, 0, 0, "P1", "Position"),     C(3, 1, 0, 0, "CH", "Chariot"),
            C(2, 1, 0, 0, "Mxx", B("Mémoire").c_str()), C(10, 1, 0, 0, "K1", "Consigne")};
}

SelectionCible Cible(const Dossier& d, const std::string& nom = "PO", char carte = 0)
{
    SelectionCible s;
    s.carte = carte;
    s.nomPop = nom;
    s.donnees = d.Prefixe();
    return s;
}

// The questions of the document, answered and recorded; the defaults come
// back afterwards.
struct Reponses {
    explicit Reponses(int reponse)
        : question(TNomDoc::Question), erreur(TNomDoc::Erreur), ouvre(TComposant::Ouvre)
    {
        TNomDoc::Question = [this, reponse](const QString& t, const QString& x) {
            titres << t;
            questions << x;
            return reponse;
        };
        TNomDoc::Erreur = [this](const QString&, const QString& x) { erreurs << x; };
    }
    ~Reponses()
    {
        TNomDoc::Question = question;
        TNomDoc::Erreur = erreur;
        TComposant::Ouvre = ouvre;
    }
    // The next component dialogs get these texts and are confirmed (or
    // cancelled); the records they were opened on are kept.
    void Edite(const QString& label, const QString& designation, bool confirme = true)
    {
        TComposant::Ouvre = [=, this](TComposant& d) {
            ouverts.push_back(d.findChild<QLineEdit*>("101")->text());
            d.findChild<QLineEdit*>("101")->setText(label);
            d.findChild<QLineEdit*>("102")->setText(designation);
            if (!confirme)
                return 2;
            d.accept();
            return d.result() == QDialog::Accepted ? 1 : 2;
        };
    }
    QStringList titres, questions, erreurs, ouverts;
    std::function<int(const QString&, const QString&)> question;
    std::function<void(const QString&, const QString&)> erreur;
    std::function<int(TComposant&)> ouvre;
};

// A target nomenclature view over the fixture file.
struct Vue {
    Vue(const Dossier& d, const std::string& nom = "PO")
    {
        vue = std::make_unique<TNomView>(std::make_unique<TNomDoc>(nullptr, Cible(d, nom)));
        vue->resize(760, 420);
        vue->show();
    }
    std::unique_ptr<TNomView> vue;
};

QPoint MilieuLigne(const FenetreNomenclature& f, int ligne, int x = 400)
{
    return QPoint(x, ligne * f.HauteurLigne() + f.HauteurLigne() / 2 - f.Decalage().y());
}

QImage Ecran(const FenetreNomenclature& f)
{
    QImage image(f.viewport()->size(), QImage::Format_RGB32);
    QPainter p(&image);
    f.Peint(p);
    return image;
}

// Whether `zone` of `image` holds exactly what the text, drawn in black with
// its cell's top-left corner at `coin` on `fond`, gives there.
bool Montre(const QImage& image, const QFont& police, QPoint coin, const QString& texte, QRect zone,
            QColor fond = Qt::white)
{
    QImage reference(image.size(), QImage::Format_RGB32);
    reference.fill(fond);
    {
        QPainter p(&reference);
        p.setFont(police);
        p.setPen(Qt::black);
        p.drawText(QPoint(coin.x(), coin.y() + p.fontMetrics().ascent()), texte);
    }
    zone &= image.rect();
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.pixel(x, y) != reference.pixel(x, y))
                return false;
    return true;
}

// Pixels of `zone` that are `couleur`, or for the text colours below, the
// colour smoothed into a white background (from the colour to white).
int Pixels(const QImage& image, QRect zone, QColor couleur)
{
    int n = 0;
    zone &= image.rect();
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            n += image.pixelColor(x, y) == couleur;
    return n;
}

enum class Teinte { Bleu, Rouge, Noir };
int Pixels(const QImage& image, QRect zone, Teinte t)
{
    int n = 0;
    zone &= image.rect();
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (t == Teinte::Bleu)
                n += c.blue() == 255 && c.red() == c.green() && c.red() < 200;
            else if (t == Teinte::Rouge)
                n += c.red() == 255 && c.green() == c.blue() && c.green() < 200;
            else
                n += c.red() == c.green() && c.green() == c.blue() && c.red() < 100;
        }
    }
    return n;
}

const Teinte BLEU = Teinte::Bleu;
const Teinte ROUGE = Teinte::Rouge;
const Teinte NOIR = Teinte::Noir;
const QColor GRIS(128, 128, 128);



// The labels of one kind of the operative part saved in `d`. Each save
// reverses the order of the records in the file, so positions are not compared.
QStringList Labels(const Dossier& d, const std::string& nom, Categorie c)
{
    const POpera pop(0, nom, d.Prefixe());
    QStringList l;
    for (short k = 0; k < pop.LNbel(c.nature, c.sens); ++k) {
        composant comp{};
        pop.LComposant(k, c.nature, c.sens, comp);
        l << VersQString(LitChamp(comp.label));
    }
    l.sort();
    return l;
}

} // namespace

// ---- the screen ----

TEST(NomenclatureCibleEcran, KindsAreFramedInTheScreenOrder)
{
    Dossier d("nom-ecran");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", PartieComplete())}));
    Vue v(d);
    const QImage image = Ecran(*v.vue);
    const int h = v.vue->HauteurLigne();
    const QFont police = v.vue->Police();

    EXPECT_EQ(image.pixelColor(10, 10), GRIS);
    EXPECT_GT(Pixels(image, QRect(200, 2 * h, 150, h), ROUGE), 0) << "card name";
    EXPECT_TRUE(Montre(image, police, {50, 2 * h}, U("Carte Commande :"),
                       QRect(50, 2 * h, 145, h), GRIS));
    EXPECT_TRUE(Montre(image, police, {50, 3 * h}, U("Partie opérative :"),
                       QRect(50, 3 * h, 145, h), GRIS));

    // Line by line: the heading a kind's first line carries (none on the
    // following lines), and the label drawn in blue.
    const char* const attendu[] = {"Entrée logique", "", "", "Sortie logique", "",
                                   "Sortie analogique", "Sortie analogique", "Action chariot",
                                   "Mémoire", "Constante"};
    for (int i = 0; i < 10; ++i) {
        const int y = (6 + i) * h;
        SCOPED_TRACE(i);
        EXPECT_TRUE(Montre(image, police, {55, y + 2}, U(attendu[i]), QRect(52, y + 1, 146, h - 3)));
        EXPECT_GT(Pixels(image, QRect(255, y + 1, 54, h - 2), BLEU), 0);
    }
    // Nothing is framed after the last kind, and no analog input frame exists.
    EXPECT_EQ(image.pixelColor(190, 16 * h + h / 2), GRIS);
}

TEST(NomenclatureCibleEcran, EmptyLogicalInputsKeepAFrameOfTheirOwn)
{
    Dossier d("nom-vide");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", {C(0, 1, 1, 1, "S1"), C(0, 1, 1, 2, "S2")})}));
    Vue v(d);
    const QImage image = Ecran(*v.vue);
    const int h = v.vue->HauteurLigne();
    EXPECT_TRUE(Montre(image, v.vue->Police(), {55, 6 * h + 2}, U("Entrée logique"),
                       QRect(52, 6 * h + 1, 146, h - 3)));
    EXPECT_TRUE(Montre(image, v.vue->Police(), {55, 7 * h + 2}, U("Sortie logique"),
                       QRect(52, 7 * h + 1, 146, h - 3)));

    Categorie c;
    short rang = -1;
    EXPECT_FALSE(v.vue->Designe(MilieuLigne(*v.vue, 6), c, rang));
    ASSERT_TRUE(v.vue->Designe(MilieuLigne(*v.vue, 8), c, rang));
    EXPECT_EQ(c, (Categorie{0, 1}));
    EXPECT_EQ(rang, 1);
}

TEST(NomenclatureCibleEcran, AClickDesignatesTheComponentOfItsLine)
{
    Dossier d("nom-clic");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", PartieComplete())}));
    Vue v(d);
    struct Cas {
        int defilement; // scroll position, in units of 10 pixels
        int ligne;
        bool designe;
        Categorie categorie;
        short rang;
    };
    const Cas cas[] = {
        {0, 6, true, {0, 0}, 0},  {0, 8, true, {0, 0}, 2},  {0, 9, true, {0, 1}, 0},
        {0, 11, true, {1, 1}, 0}, {0, 12, true, {5, 1}, 0}, {0, 13, true, {3, 1}, 0},
        {0, 15, true, {10, 1}, 0}, {0, 5, false, {}, 0},    {0, 1, false, {}, 0},
        {0, 16, false, {}, 0},    {3, 7, true, {0, 0}, 1},  {3, 16, false, {}, 0},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.ligne);
        v.vue->verticalScrollBar()->setValue(k.defilement);
        ASSERT_EQ(v.vue->Decalage().y(), k.defilement * 10);
        Categorie c{-1, -1};
        short rang = -1;
        ASSERT_EQ(v.vue->Designe(MilieuLigne(*v.vue, k.ligne), c, rang), k.designe);
        if (k.designe) {
            EXPECT_EQ(c, k.categorie);
            EXPECT_EQ(rang, k.rang);
        }
    }
}

// ---- editing and saving ----

class EditionCible : public ::testing::TestWithParam<int> {};

TEST_P(EditionCible, AnEditIsSavedOnlyWhenTheQuestionIsAnsweredYes)
{
    const int reponse = GetParam();
    Dossier d("nom-edition");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("AUTRE", {C(0, 0, 0, 1, "x")}),
                                        Partie("PO", PartieComplete())}));
    const auto avant = Lit(d / "p_opera.lst");
    Reponses r(reponse);
    r.Edite(U("Bouton"), U("Arrêt d'urgence"));
    Vue v(d);

    // A real click on line 7: the second logical input.
    QTest::mouseClick(v.vue->viewport(), Qt::LeftButton, {}, MilieuLigne(*v.vue, 7));
    ASSERT_EQ(r.ouverts, QStringList{"e2"});
    composant edite{};
    v.vue->Document().Pop()->LComposant(1, 0, 0, edite);
    EXPECT_EQ(LitChamp(edite.label), "Bouton");
    EXPECT_EQ(VersQString(LitChamp(edite.designation)), U("Arrêt d'urgence"));
    EXPECT_EQ(edite.masque, 2) << "the other fields stay";
    EXPECT_TRUE(v.vue->Document().EstModifie());
    EXPECT_EQ(Lit(d / "p_opera.lst"), avant) << "nothing is written before the close";

    EXPECT_TRUE(v.vue->close());
    ASSERT_EQ(r.questions, QStringList{U("Enregistrement de la nomenclature?")});
    EXPECT_EQ(r.titres, QStringList{U("Nomenclature cible")});
    v.vue.reset();
    EXPECT_EQ(r.questions.size(), 1) << "asked once";

    if (reponse == QMessageBox::Yes) {
        EXPECT_EQ(Labels(d, "PO", {0, 0}), (QStringList{"Bouton", "e1", "e3"}));
        EXPECT_EQ(Labels(d, "PO", {10, 1}), QStringList{"K1"});
        EXPECT_EQ(Labels(d, "AUTRE", {0, 0}), QStringList{"x"});
    } else {
        EXPECT_EQ(Lit(d / "p_opera.lst"), avant);
    }
    EXPECT_TRUE(r.erreurs.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(OuiNon, EditionCible,
                         ::testing::Values(int(QMessageBox::Yes), int(QMessageBox::No)));

TEST(EditionCible, NothingIsAskedWithoutAnEdit)
{
    Dossier d("nom-sans");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", PartieComplete())}));
    Reponses r(QMessageBox::Yes);
    r.Edite(U("Autre"), U(""), false); // the dialog is cancelled
    Vue v(d);
    QTest::mouseClick(v.vue->viewport(), Qt::LeftButton, {}, MilieuLigne(*v.vue, 6));
    QTest::mouseClick(v.vue->viewport(), Qt::RightButton, {}, MilieuLigne(*v.vue, 7));
    EXPECT_EQ(r.ouverts, QStringList{"e1"});
    EXPECT_FALSE(v.vue->Document().EstModifie());
    v.vue.reset();
    EXPECT_TRUE(r.questions.isEmpty());
}

TEST(EditionCible, AReadOnlyPartIsNeitherEditedNorAskedAbout)
{
    Dossier d("nom-protege");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", PartieComplete(), 1)}));
    const auto avant = Lit(d / "p_opera.lst");
    Reponses r(QMessageBox::Yes);
    r.Edite(U("Bouton"), U(""));
    Vue v(d);
    QTest::mouseClick(v.vue->viewport(), Qt::LeftButton, {}, MilieuLigne(*v.vue, 6));
    EXPECT_TRUE(r.ouverts.isEmpty());
    // Even a document told it was edited neither asks nor writes.
    v.vue->Document().Modifie();
    v.vue.reset();
    EXPECT_TRUE(r.questions.isEmpty());
    EXPECT_EQ(Lit(d / "p_opera.lst"), avant);
}

TEST(EditionCible, AFailedSaveIsReportedAndKeepsTheViewAndItsEdits)
{
    Dossier d("nom-echec");
    const auto octets = OctetsPop({Partie("PO", PartieComplete())});
    Ecrit(d / "p_opera.lst", octets);
    Reponses r(QMessageBox::Yes);
    r.Edite(U("Bouton"), U("Capteur"));
    Vue v(d);
    QTest::mouseClick(v.vue->viewport(), Qt::LeftButton, {}, MilieuLigne(*v.vue, 6));
    std::filesystem::remove(d / "p_opera.lst");

    EXPECT_FALSE(v.vue->close());
    ASSERT_EQ(r.erreurs.size(), 1);
    EXPECT_TRUE(r.erreurs[0].startsWith(U("La nomenclature n'a pas été enregistrée : ")))
        << r.erreurs[0].toStdString();
    EXPECT_TRUE(v.vue->isVisible());
    EXPECT_TRUE(v.vue->Document().EstModifie());

    // Once the file is back, the next close saves.
    Ecrit(d / "p_opera.lst", octets);
    EXPECT_TRUE(v.vue->close());
    EXPECT_EQ(r.questions.size(), 2);
    EXPECT_EQ(Labels(d, "PO", {0, 0}), (QStringList{"Bouton", "e2", "e3"}));
}

TEST(EditionCible, ATruncatedFileIsReportedAndShowsWhatWasReadWhole)
{
    Dossier d("nom-tronque");
    auto octets = OctetsPop({Partie("PO", PartieComplete())});
    octets.resize(octets.size() - 40); // the last record is cut
    Ecrit(d / "p_opera.lst", octets);
    Reponses r(QMessageBox::Yes);
    r.Edite(U("Bouton"), U(""));
    Vue v(d);
    ASSERT_EQ(r.erreurs.size(), 1);
    EXPECT_TRUE(r.erreurs[0].contains(U("incomplet"))) << r.erreurs[0].toStdString();
    EXPECT_EQ(nomenclature::Nombre(nomenclature::ListeDe(*v.vue->Document().Pop(),
                                                         nomenclature::OrdreCibleEcran())),
              9);

    // Its edits cannot be saved over the damaged file, which stays as it was.
    QTest::mouseClick(v.vue->viewport(), Qt::LeftButton, {}, MilieuLigne(*v.vue, 6));
    EXPECT_FALSE(v.vue->close());
    EXPECT_EQ(r.erreurs.size(), 2);
    EXPECT_EQ(Lit(d / "p_opera.lst"), octets);
}

TEST(EditionCible, ClosingTheMdiChildAsksTheQuestion)
{
    Dossier d("nom-mdi");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", PartieComplete())}));
    Reponses r(QMessageBox::No);
    r.Edite(U("Bouton"), U(""));
    QMdiArea zone;
    auto* vue = new TNomView(std::make_unique<TNomDoc>(nullptr, Cible(d)));
    QMdiSubWindow* enfant = zone.addSubWindow(vue);
    enfant->setAttribute(Qt::WA_DeleteOnClose);
    zone.resize(800, 500);
    zone.show();
    enfant->showMaximized();
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, MilieuLigne(*vue, 6));
    ASSERT_TRUE(vue->Document().EstModifie());
    EXPECT_TRUE(enfant->close());
    EXPECT_EQ(r.questions.size(), 1);
}

// ---- the component dialog ----

TEST(TComposant, CaptionsAndIdentifiers)
{
    composant c = C(0, 0, 3, 8, "e1", B("Départ").c_str());
    TComposant dlg(nullptr, &c);
    EXPECT_EQ(dlg.windowTitle(), U("Edition de composant"));
    EXPECT_EQ(dlg.findChild<QGroupBox*>("103")->title(), U("Label"));
    EXPECT_EQ(dlg.findChild<QGroupBox*>("104")->title(), U("Désignation"));
    EXPECT_EQ(dlg.findChild<QLineEdit*>("101")->text(), U("e1"));
    EXPECT_EQ(dlg.findChild<QLineEdit*>("102")->text(), U("Départ"));
    for (const char* id : {"1", "2", "998"})
        EXPECT_NE(dlg.findChild<QPushButton*>(id), nullptr) << id;
}

TEST(TComposant, OkWritesTheTextsAndRefusesWhatWouldBeCut)
{
    struct Cas {
        const char* nom;
        const char* origine;     // label of the record
        const char* label;       // typed (nullptr: left as shown)
        const char* designation; // typed (nullptr: left as shown)
        bool accepte;
        const char* labelFinal;
    };
    const std::string cinquante(50, 'd');
    const Cas cas[] = {
        {"edited", "e1", "Bp1", "Bouton", true, "Bp1"},
        {"nine characters", "e1", "abcdefghi", nullptr, true, "abcdefghi"},
        {"long label left as shown", "tres_long_label", nullptr, "Autre", true, "tres_long_label"},
        {"ten characters refused", "e1", "abcdefghij", nullptr, false, "e1"},
        {"empty label refused", "e1", "", nullptr, false, "e1"},
        {"fifty characters refused", "e1", nullptr, cinquante.c_str(), false, "e1"},
    };
    const auto avertit = TComposant::Avertit;
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        QStringList messages;
        TComposant::Avertit = [&](QWidget*, const QString& m) { messages << m; };
        composant c = C(2, 1, 7, 0x40, k.origine, "Designation");
        c.categorie = 9;
        TComposant dlg(nullptr, &c);
        if (k.label)
            dlg.findChild<QLineEdit*>("101")->setText(U(k.label));
        if (k.designation)
            dlg.findChild<QLineEdit*>("102")->setText(U(k.designation));
        dlg.accept();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, k.accepte);
        EXPECT_EQ(messages.size(), k.accepte ? 0 : 1);
        EXPECT_EQ(LitChamp(c.label), k.labelFinal);
        if (!k.accepte) {
            EXPECT_EQ(LitChamp(c.designation), "Designation");
        } else if (k.designation) {
            EXPECT_EQ(LitChamp(c.designation), k.designation);
        }
        EXPECT_EQ(c.categorie, 9);
        EXPECT_EQ(c.nature, 2);
        EXPECT_EQ(c.sens, 1);
        EXPECT_EQ(c.indice, 7);
        EXPECT_EQ(c.masque, 0x40);
    }
    TComposant::Avertit = avertit;
}

// ---- the document ----

TEST(TNomDoc, Properties)
{
    Dossier d("nom-proprietes");
    TNomDoc doc(nullptr, Cible(d, "Presse"));
    EXPECT_EQ(doc.PropertyCount(), 8);
    struct Cas {
        int index;
        const char* nom;
        int drapeaux;
        const char* texte;
    };
    const Cas cas[] = {
        {6, "Type", 1, "Nom. Cible"},
        {7, "Carte", 1, "Carte"},
        {8, "Parte Op\xE9rative", 1, "Presse"},
        {9, nullptr, 0, nullptr},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.index);
        EXPECT_EQ(doc.PropertyFlags(k.index), k.drapeaux);
        char texte[32] = {};
        if (!k.nom) {
            EXPECT_EQ(doc.PropertyName(k.index), nullptr);
            EXPECT_EQ(doc.GetProperty(k.index, texte, sizeof texte), 0);
            continue;
        }
        EXPECT_STREQ(doc.PropertyName(k.index), k.nom);
        EXPECT_EQ(doc.FindProperty(k.nom), k.index);
        EXPECT_EQ(doc.GetProperty(k.index, texte, sizeof texte), int(std::strlen(k.texte)));
        EXPECT_STREQ(texte, k.texte);
    }
    EXPECT_EQ(doc.FindProperty("type"), 0);
    EXPECT_EQ(doc.FindProperty("DocumentClass"), 0);
}

TEST(TNomDoc, WithoutASelectionTheSettingsStoreNamesThePart)
{
    Dossier d("nom-reglages");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("Presse", {C(0, 0, 0, 1, "e1")}, 0, 3)}));
    const QByteArray ancien = qgetenv("VELDRA_SETTINGS");
    qputenv("VELDRA_SETTINGS", QByteArray::fromStdString((d / "reglages.ini").string()));
    {
        Reglages r;
        r.Ecrit(Reglages::CLE_VELDRA, "PATH", d.Prefixe());
        r.Ecrit(Reglages::CLE_CIBLE, "CARTE", "3");
        r.Ecrit(Reglages::CLE_CIBLE, "P_OPERA", "Presse");
        ASSERT_TRUE(r.Sauve());
    }
    ASSERT_TRUE(SelectionCible::Courante().donnees.empty());
    TNomView vue(std::make_unique<TNomDoc>());
    ASSERT_NE(vue.Document().Pop(), nullptr);
    EXPECT_EQ(vue.Document().Pop()->LNbel(0, 0), 1);
    EXPECT_EQ(vue.Document().LCarte(), 3);
    if (ancien.isNull())
        qunsetenv("VELDRA_SETTINGS");
    else
        qputenv("VELDRA_SETTINGS", ancien);
}

// ---- the diagram nomenclature ----

TEST(TNomGraf, ListsTheVariablesOfTheLastGeneration)
{
    Dossier d("nom-graf");
    Ecrit(d / "p_opera.lst",
          OctetsPop({{0, 1, "P",
                      {C(0, 0, 0, 1, "a0"), C(0, 0, 0, 2, "a1"), C(0, 0, 0, 4, "dcy"),
                       C(0, 1, 1, 1, "AV"), C(0, 1, 1, 2, "AR"), C(10, 1, 0, 0, "K1"),
                       C(2, 0, 0, 0, "t/x"), C(2, 1, 0, 0, "Mxx"), C(2, 1, 0, 0, "Wxx"),
                       C(2, 0, 0, 0, "Bxx")}}}));
    auto doc = std::make_unique<TGrafDoc>(nullptr);
    EXPECT_FALSE(TNomGraf::Disponible(doc.get()));

    Grafcet& g = *doc->PGraf();
    // Ajoute moves the point onto the attach point it uses.
    for (auto [type, point, precedent] : {std::tuple{ETAPE_INITIALE, TPoint(100, 40), AUCUN},
                                          std::tuple{ETAPE, TPoint(100, 74), ETAPE_INITIALE},
                                          std::tuple{TRANSITION, TPoint(100, 120), ETAPE}})
        g.Ajoute(type, point, precedent);
    g.AjouteRetour(TPoint(100, 132), TPoint(60, 0), TPoint(100, 40));
    g.MString(TPoint(100, 80), "dcy.a0");
    g.MString(TPoint(100, 125), "a1");
    g.MString(TPoint(120, 100), "AV|M3=1|");
    POpera pop(0, "P", d.Prefixe());
    const auto r = GenereProgramme(g, 0, "P", pop);
    ASSERT_TRUE(r.reussi) << r.texte;
    doc->SetGenerer(true);
    EXPECT_TRUE(TNomGraf::Disponible(doc.get()));

    std::unique_ptr<TNomGraf> fenetre(TNomGraf::Cree(doc.get()));
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->windowTitle(), U("N G"));
    EXPECT_EQ(fenetre->objectName(), U("NOM_DIAG"));

    auto labels = [&](Categorie c) {
        QStringList l;
        for (const auto& rubrique : fenetre->Variables())
            if (rubrique.categorie == c)
                for (const auto& comp : rubrique.composants)
                    l << VersQString(LitChamp(comp.label));
        l.sort();
        return l;
    };
    EXPECT_EQ(labels({0, 0}), (QStringList{"a0", "a1", "dcy"}));
    EXPECT_EQ(labels({0, 1}), QStringList{"AV"});
    EXPECT_EQ(labels({2, 1}).size(), 1) << "the memory the action sets";
    for (const auto& rubrique : fenetre->Variables())
        EXPECT_FALSE(rubrique.categorie == (Categorie{10, 1})) << "no constants";

    // The window outlives its diagram.
    doc.reset();
    fenetre->resize(760, 400);
    const QImage image = Ecran(*fenetre);
    const int h = fenetre->HauteurLigne();
    EXPECT_TRUE(Montre(image, fenetre->Police(), {55, 6 * h + 2}, U("Entrée logique"),
                       QRect(52, 6 * h + 1, 146, h - 3)));
    EXPECT_GT(Pixels(image, QRect(255, 6 * h + 1, 54, h - 2), NOIR), 0) << "a label";
    EXPECT_EQ(Pixels(image, QRect(255, 6 * h, 54, 5 * h), BLEU), 0) << "labels in black";
}

TEST(TNomGraf, OnlyAGeneratedDiagramOpensIt)
{
    Dossier d("nom-graf-non");
    TNomDoc cible(nullptr, Cible(d));
    EXPECT_FALSE(TNomGraf::Disponible(nullptr));
    EXPECT_FALSE(TNomGraf::Disponible(&cible));
    EXPECT_EQ(TNomGraf::Cree(nullptr), nullptr);
    EXPECT_EQ(TNomGraf::Cree(&cible), nullptr);
    TGrafDoc nouveau(nullptr);
    std::unique_ptr<TNomGraf> vide(TNomGraf::Cree(&nouveau));
    ASSERT_NE(vide, nullptr);
    EXPECT_EQ(nomenclature::Nombre(vide->Variables()), 0);
}

// ---- pages ----

TEST(PagesNomenclature, CountIsTheEntriesOverTheBodyLinesPlusOne)
{
    struct Cas {
        int lignes; // lines per page
        int entrees;
        int pages;
    };
    const Cas cas[] = {
        {20, 0, 1}, {20, 13, 1}, {20, 14, 2}, {20, 15, 2}, {20, 29, 3},
        {7, 3, 4},  {6, 5, 1},   {0, 5, 1},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(testing::Message() << k.lignes << " lines, " << k.entrees << " entries");
        EXPECT_EQ(nomenclature::NombrePages(k.lignes * 15 + 7, 15, k.entrees), k.pages);
    }
}

namespace {

// 29 entries: ten logical inputs, ten logical outputs, five memories, two
// constants, two carriage actions. At 20 lines a page (14 entries) they
// take three pages.
std::vector<composant> PartieLongue()
{
    std::vector<composant> r;
    auto ajoute = [&](int nature, int sens, const char* prefixe, int n) {
        for (int i = 1; i <= n; ++i)
            r.push_back(C(nature, sens, 0, 0, (prefixe + std::to_string(i)).c_str(), "D"));
    };
    ajoute(3, 1, "CH", 2);
    ajoute(0, 0, "e", 10);
    ajoute(2, 1, "M", 5);
    ajoute(0, 1, "S", 10);
    ajoute(10, 1, "K", 2);
    return r;
}

QImage Page(const TNomView& vue, int page, int lignes)
{
    const QRect rect(0, 0, 720, lignes * vue.HauteurLignePapier());
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    vue.PeintPage(p, page, rect);
    return image;
}

} // namespace

TEST(PagesNomenclature, EachPageRepeatsTheHeadingsAndTheKindItContinues)
{
    Dossier d("nom-pages");
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", PartieLongue())}));
    Vue v(d);
    const int h = v.vue->HauteurLignePapier();
    const QFont police = v.vue->Police();
    EXPECT_EQ(v.vue->NombrePages(QRect(0, 0, 720, 20 * h)), 3);

    auto entete = [&](const QImage& image, int ligne, const char* texte) {
        // From 3 units down: the heading above may reach 2 units into the line.
        return Montre(image, police, {55, ligne * h + 2}, U(texte),
                      QRect(52, ligne * h + 3, 196, h - 3));
    };
    struct Attendu {
        int page;
        int ligne;
        const char* entete; // "" for a line without heading
    };
    // Paper order: logical inputs, logical outputs, memories, constants, carriage actions.
    const Attendu attendus[] = {
        {1, 6, "Entrée logique"}, {1, 7, ""},         {1, 15, ""},          {1, 16, "Sortie logique"},
        {1, 19, ""},              {2, 6, "Sortie logique"}, {2, 7, ""},     {2, 12, "Mémoire"},
        {2, 17, "Constante"},     {2, 19, "Action chariot"}, {3, 6, "Action chariot"},
    };
    QImage pages[4];
    for (int p = 1; p <= 3; ++p) {
        pages[p] = Page(*v.vue, p, 20);
        SCOPED_TRACE(p);
        EXPECT_TRUE(Montre(pages[p], police, {150, h}, U("Nomenclature cible"), QRect(140, h, 250, h)));
        EXPECT_TRUE(Montre(pages[p], police, {400, h}, QStringLiteral("Page %1").arg(p),
                           QRect(395, h, 200, h)));
        EXPECT_TRUE(Montre(pages[p], police, {255, 5 * h}, U("Label"),
                           QRect(252, 5 * h + 1, 56, h - 1)));
        EXPECT_GT(Pixels(pages[p], QRect(200, 2 * h, 200, h), ROUGE), 0);
        EXPECT_GT(Pixels(pages[p], QRect(255, 6 * h + 1, 54, h - 1), BLEU), 0) << "first body line";
    }
    for (const Attendu& a : attendus) {
        SCOPED_TRACE(testing::Message() << "page " << a.page << " line " << a.ligne);
        EXPECT_TRUE(entete(pages[a.page], a.ligne, a.entete));
    }
    // The last page holds one entry and closes the table under it.
    EXPECT_EQ(pages[3].pixelColor(600, 7 * h), QColor(Qt::black));
    EXPECT_EQ(Pixels(pages[3], QRect(0, 7 * h + 1, 720, 12 * h), QColor(Qt::white)), 720 * 12 * h);
    // No fourth page.
    const QImage quatre = Page(*v.vue, 4, 20);
    EXPECT_EQ(Pixels(quatre, quatre.rect(), QColor(Qt::white)), quatre.width() * quatre.height());
}

TEST(PagesNomenclature, AFullLastPageAddsAPageOfHeadingsOnly)
{
    Dossier d("nom-pleine");
    std::vector<composant> r;
    for (int i = 0; i < 14; ++i)
        r.push_back(C(0, 0, 0, 0, ("e" + std::to_string(i)).c_str()));
    Ecrit(d / "p_opera.lst", OctetsPop({Partie("PO", r)}));
    Vue v(d);
    const int h = v.vue->HauteurLignePapier();
    ASSERT_EQ(v.vue->NombrePages(QRect(0, 0, 720, 20 * h)), 2);
    const QImage page = Page(*v.vue, 2, 20);
    EXPECT_TRUE(Montre(page, v.vue->Police(), {400, h}, U("Page 2"), QRect(395, h, 200, h)));
    EXPECT_TRUE(Montre(page, v.vue->Police(), {315, 5 * h}, U("Désignation"),
                       QRect(312, 5 * h + 1, 300, h - 1)));
    EXPECT_EQ(Pixels(page, QRect(0, 6 * h + 1, 720, 14 * h - 1), QColor(Qt::white)),
              720 * (14 * h - 1));
}

TEST(PagesNomenclature, MaximumSizeWhilePrinting)
{
    Dossier d("nom-taille");
    Vue v(d);
    const auto avant = veldraWindowView::Impression;
    veldraWindowView::Impression = [] { return true; };
    EXPECT_EQ(v.vue->TailleMaximale(), QSize(32000, 32000));
    veldraWindowView::Impression = [] { return false; };
    EXPECT_EQ(v.vue->TailleMaximale(), v.vue->maximumSize());
    veldraWindowView::Impression = avant;
}
