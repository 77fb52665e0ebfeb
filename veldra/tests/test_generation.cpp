// The generation command and its dialog, the program file, and the run
// window with the modal loop that waits for it.
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "FixturesPop.h"
#include "GenereProgramme.h"
#include "GrafcetWindow.h"
#include "Grafcet.h"
#include "SelectionCible.h"
#include "doc/TGrafDoc.h"
#include "elements/Elements.h"
#include "generation/BGene.h"
#include "generation/CommandeGeneration.h"
#include "pop/POpera.h"
#include "vue/SurfaceQt.h"

using namespace fixtures;

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using namespace textesgeneration;

const QString GENERE_Q = QString::fromUtf8(GENERE);

std::string LitTout(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// How many pixels of the error colour a chart shows on screen.
int PixelsRouges(Grafcet& g)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.scale(2, 2);
        SurfaceQt surface(p);
        g.Dessine(surface);
    }
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == QColor(255, 0, 0);
    return n;
}

int PixelsSombres(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() < 100 && c.green() < 100 && c.blue() < 100;
        }
    return n;
}

class GenerationGui : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Designations are Windows-1252 bytes, as in the operative-part file.
        const std::vector<composant> signaux = {
            C(0, 0, 0, 1, "a0", "Chariot \xE0 gauche"),
            C(0, 0, 0, 2, "a1", "Chariot \xE0 droite"),
            C(0, 0, 0, 4, "dcy", "D\xE9part cycle"),
            C(0, 1, 1, 1, "AV", "Avancer"),
            C(0, 1, 1, 2, "AR", "Reculer"),
            C(2, 0, 0, 0, "t/x"),
            C(2, 1, 0, 0, "Mxx"),
            C(2, 1, 0, 0, "Wxx"),
            C(2, 0, 0, 0, "Bxx"),
        };
        Ecrit(donnees / "p_opera.lst", OctetsPop({{0, 1, "P", signaux}, {2, 1, "P", signaux}}));
        std::filesystem::create_directories(travail);
        vue.resize(300, 200);
    }
    void TearDown() override
    {
        // The dialogs left open go with their view; deleted ones are gone.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Initial step, T0, step 1 with action, T1 looping back: every text can
    // be replaced to make a pass fail.
    void Cycle(const std::string& t0 = "dcy.a0", const std::string& t1 = "a1",
               const std::string& action = "AV|")
    {
        Grafcet& g = *doc.PGraf();
        TPoint p(100, 40);
        g.Ajoute(ETAPE_INITIALE, p, AUCUN);
        p = TPoint(100, 74);
        g.Ajoute(ETAPE, p, ETAPE_INITIALE);
        p = TPoint(100, 120);
        g.Ajoute(TRANSITION, p, ETAPE);
        g.AjouteRetour(TPoint(100, 132), TPoint(60, 0), TPoint(100, 40));
        g.MString(TPoint(100, 80), t0);
        g.MString(TPoint(100, 125), t1);
        g.MString(TPoint(120, 100), action);
    }

    BGene* Genere(char carte = 0)
    {
        const SelectionCible cible{carte, "P", donnees.Prefixe()};
        return GenereDepuis(&vue, doc, cible, QString::fromStdString(travail.string()));
    }

    // The library's text for the same chart, card and operative part.
    std::string Attendu(char carte)
    {
        POpera pop(carte, "P", donnees.Prefixe());
        return GenereProgramme(*doc.PGraf(), carte, "P", pop).texte;
    }

    std::string ProgrammeEcrit() { return LitTout(travail / "tmp.txt"); }

    static bool Actif(BGene* d, const char* nom)
    {
        return d->findChild<QPushButton*>(QString::fromLatin1(nom))->isEnabled();
    }
    static QListWidget* Liste(BGene* d) { return d->findChild<QListWidget*>(QStringLiteral("106")); }

    Dossier donnees{"veldra-generation"};
    std::filesystem::path travail = donnees / "travail";
    TGrafDoc doc{nullptr};
    QWidget vue;
};

// ---- a valid chart ----

TEST_F(GenerationGui, ValidChartEnablesTheRunButtonsForItsCard)
{
    struct Cas {
        char carte;
        bool executer;
    };
    for (const Cas c : {Cas{0, false}, Cas{2, true}}) {
        SCOPED_TRACE(int(c.carte));
        doc.PGraf()->EffaceTout();
        Cycle();
        BGene* d = Genere(c.carte);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(d->isModal());
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Génération"));
        EXPECT_EQ(d->parentWidget(), &vue);
        for (short l = 1; l <= 3; ++l)
            EXPECT_EQ(d->Line(l), GENERE_Q);
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("103"))->text(), GENERE_Q);
        EXPECT_EQ(Actif(d, "104"), c.executer);
        EXPECT_TRUE(Actif(d, "105"));
        EXPECT_TRUE(d->Errors().isEmpty());
        EXPECT_FALSE(Liste(d)->isEnabled());

        EXPECT_TRUE(doc.IsGenerer());
        const std::string ecrit = ProgrammeEcrit();
        EXPECT_EQ(ecrit, doc.LGraf());
        EXPECT_EQ(ecrit, Attendu(c.carte));
        EXPECT_EQ(ecrit.back(), '\n');
        d->close();
    }
}

// The command-line generator, on the chart saved to a file, writes the same
// program as the editor.
TEST_F(GenerationGui, ProgramFileMatchesTheCommandLineGenerator)
{
    Cycle();
    const auto gra = donnees / "cycle.gra";
    {
        FILE* f = std::fopen(gra.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(doc.PGraf()->EFichier(f));
        std::fclose(f);
    }
    for (char carte : {char(0), char(2)}) {
        SCOPED_TRACE(int(carte));
        Genere(carte);
        const auto sortie = donnees / "cli.txt";
        QProcess cli;
        cli.start(QStringLiteral(VELDRA_CLI),
                  {"generate", "--data", QString::fromStdString(donnees.Prefixe()), "--card",
                   QString::number(carte), "--pop", "P", "-o", QString::fromStdString(sortie.string()),
                   QString::fromStdString(gra.string())});
        ASSERT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        EXPECT_EQ(ProgrammeEcrit(), LitTout(sortie));
    }
}

// ---- charts with errors ----

TEST_F(GenerationGui, PassErrorsAreShownAndListedSorted)
{
    const QString RECEPTIVITE = QString::fromUtf8(ERREUR_RECEPTIVITE);
    const QString ACTION = QString::fromUtf8(ERREUR_ACTION);
    struct Cas {
        const char* nom;
        std::string t0, t1, action;
        QString ligneAction, ligneReceptivite;
        QStringList erreurs;
    };
    const Cas cas[] = {
        // Unknown names in both receptivities: the action pass still runs.
        {"receptivites", "zz", "Abc", "AV|", GENERE_Q, RECEPTIVITE, {"Abc", "zz"}},
        {"action", "dcy.a0", "a1", "ZZ|", ACTION, GENERE_Q, {"ZZ"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        doc.PGraf()->EffaceTout();
        Cycle(c.t0, c.t1, c.action);
        ASSERT_EQ(PixelsRouges(*doc.PGraf()), 0);
        BGene* d = Genere(2);
        EXPECT_EQ(d->Line(1), GENERE_Q);
        EXPECT_EQ(d->Line(2), c.ligneAction);
        EXPECT_EQ(d->Line(3), c.ligneReceptivite);
        EXPECT_EQ(d->Errors(), c.erreurs);
        EXPECT_TRUE(Liste(d)->isEnabled());
        EXPECT_FALSE(Actif(d, "104"));
        EXPECT_FALSE(Actif(d, "105"));
        EXPECT_FALSE(doc.IsGenerer());
        // The elements in error are drawn in red on the chart.
        EXPECT_GT(PixelsRouges(*doc.PGraf()), 0);
        // The partial program is still written and kept.
        EXPECT_EQ(ProgrammeEcrit(), doc.LGraf());
        EXPECT_EQ(doc.LGraf(), Attendu(2));
        d->close();
    }
}

TEST_F(GenerationGui, InvalidStructureStopsAfterTheFirstLine)
{
    // An initial step with nothing below it.
    TPoint p(100, 40);
    doc.PGraf()->Ajoute(ETAPE_INITIALE, p, AUCUN);
    BGene* d = Genere(2);
    EXPECT_EQ(d->Line(1), QString::fromUtf8(ERREUR_STRUCTURE));
    EXPECT_EQ(d->Line(2), QString());
    EXPECT_EQ(d->Line(3), QString());
    EXPECT_FALSE(Actif(d, "104"));
    EXPECT_FALSE(Actif(d, "105"));
    EXPECT_FALSE(doc.IsGenerer());
    EXPECT_EQ(ProgrammeEcrit(), doc.LGraf());
    EXPECT_EQ(doc.LGraf(), Attendu(2));
}

// A new generation clears the flag again, leaves the earlier dialog open and
// replaces the program file.
TEST_F(GenerationGui, GeneratingAgainOpensASecondDialogAndRewritesTheFile)
{
    Cycle();
    QPointer<BGene> premier = Genere(0);
    ASSERT_TRUE(doc.IsGenerer());
    const std::string avant = ProgrammeEcrit();
    doc.PGraf()->MString(TPoint(100, 125), "inconnu");
    QPointer<BGene> second = Genere(0);
    EXPECT_FALSE(doc.IsGenerer());
    ASSERT_TRUE(premier && second);
    EXPECT_NE(premier.data(), second.data());
    EXPECT_TRUE(premier->isVisible());
    EXPECT_TRUE(Actif(premier, "105"));
    EXPECT_FALSE(Actif(second, "105"));
    EXPECT_EQ(vue.findChildren<BGene*>().size(), 2);
    EXPECT_NE(ProgrammeEcrit(), avant);
    EXPECT_EQ(ProgrammeEcrit(), doc.LGraf());
}

// Not being able to write the program file is said in the dialog; the
// generation itself stands.
TEST_F(GenerationGui, UnwritableProgramFileIsReported)
{
    Cycle();
    const SelectionCible cible{0, "P", donnees.Prefixe()};
    BGene* d = GenereDepuis(&vue, doc, cible, QString::fromStdString((donnees / "absent").string()));
    EXPECT_EQ(d->Line(1), GENERE_Q);
    EXPECT_TRUE(doc.IsGenerer());
    EXPECT_TRUE(Actif(d, "105"));
    EXPECT_EQ(doc.LGraf(), Attendu(0));
    ASSERT_EQ(d->Errors().size(), 1);
    EXPECT_TRUE(d->Errors().front().startsWith(QStringLiteral("Impossible d'écrire tmp.txt : ")))
        << d->Errors().front().toStdString();
    EXPECT_TRUE(Liste(d)->isEnabled());
}

// ---- the dialog's buttons and lines ----

TEST_F(GenerationGui, RunButtonsSendTheirCommandAndCloseTheDialog)
{
    struct Cas {
        const char* bouton;
        QList<int> commandes;
    };
    // No button: the Escape key.
    for (const Cas& c : {Cas{"104", {304}}, Cas{"105", {305}}, Cas{"2", {}}, Cas{"", {}}}) {
        SCOPED_TRACE(c.bouton);
        QPointer<BGene> d = new BGene(&vue);
        d->show();
        d->EnableRun(3);
        QList<int> recues;
        QObject::connect(d, &BGene::Commande, [&](int id) {
            EXPECT_FALSE(d->isVisible()); // closed before the command runs
            recues << id;
        });
        if (*c.bouton)
            QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(c.bouton)), Qt::LeftButton);
        else
            QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_EQ(recues, c.commandes);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(d.isNull());
    }
}

TEST_F(GenerationGui, DialogLinesAndRunFlags)
{
    BGene d(&vue);
    EXPECT_TRUE(d.findChild<QPushButton*>(QStringLiteral("104"))->isDefault());
    EXPECT_FALSE(Actif(&d, "104"));
    EXPECT_FALSE(Actif(&d, "105"));
    d.SetLine(2, QStringLiteral("deux"));
    d.SetLine(4, QStringLiteral("rien"));
    d.SetLine(0, QStringLiteral("rien"));
    d.SetLine(6, QStringLiteral("b"));
    d.SetLine(6, QStringLiteral("C"));
    d.SetLine(6, QStringLiteral("a"));
    EXPECT_EQ(d.Line(1), QString());
    EXPECT_EQ(d.Line(2), QStringLiteral("deux"));
    EXPECT_EQ(d.Line(3), QString());
    // Sorted without regard to case.
    EXPECT_EQ(d.Errors(), (QStringList{"a", "b", "C"}));
    // Labels are the chart's bytes: the equation codes show as arrows.
    d.ShowErrors({"\xAD" "a0", "\xE9t"});
    EXPECT_EQ(d.Errors(), (QStringList{"a", "b", "C", QStringLiteral("ét"), QStringLiteral("↑a0")}));
    d.EnableRun(1);
    EXPECT_TRUE(Actif(&d, "104"));
    EXPECT_FALSE(Actif(&d, "105"));
    d.EnableRun(2);
    EXPECT_FALSE(Actif(&d, "104"));
    EXPECT_TRUE(Actif(&d, "105"));
}

// ---- the run window ----

TEST_F(GenerationGui, RunWindowShowsTheGeneratedProgramAndItsVariables)
{
    Cycle();
    Genere(2);
    QWidget cadre;
    QPointer<GrafcetWindow> f = new GrafcetWindow(&cadre, &doc, 2, nullptr, &vue);
    QSignalSpy fermee(f, &GrafcetWindow::Fermee);
    EXPECT_TRUE(f->isWindow());
    EXPECT_TRUE(f->windowTitle().startsWith(QStringLiteral("Exécution - carte 2")));
    EXPECT_EQ(GrafcetWindow::Titre(0, QString()), QStringLiteral("Simulation"));
    EXPECT_EQ(f->findChild<QPlainTextEdit*>(QStringLiteral("programme"))->toPlainText().toStdString(),
              doc.LGraf());
    EXPECT_TRUE(f->findChild<QPlainTextEdit*>(QStringLiteral("programme"))->isReadOnly());
    ASSERT_NE(f->PanneauExecution(), nullptr);
    EXPECT_EQ(f->PanneauExecution()->objectName(), QStringLiteral("panneauExecution"));

    // The groups of the variables the program uses, with their designations.
    auto* arbre = f->findChild<QTreeWidget*>(QStringLiteral("variables"));
    std::map<QString, QStringList> groupes;
    for (int i = 0; i < arbre->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* g = arbre->topLevelItem(i);
        for (int j = 0; j < g->childCount(); ++j)
            groupes[g->text(0)] << g->child(j)->text(0) + "=" + g->child(j)->text(1);
    }
    EXPECT_EQ(groupes[QStringLiteral("Entrée logique")],
              (QStringList{"a0=Chariot à gauche", "a1=Chariot à droite", "dcy=Départ cycle"}));
    EXPECT_EQ(groupes[QStringLiteral("Sortie logique")], (QStringList{"AV=Avancer"}));

    // The chart is drawn, with the editor's surface and without.
    f->resize(900, 600);
    f->show();
    VueGrafcet* chart = f->Vue();
    EXPECT_GT(PixelsSombres(chart->viewport()->grab().toImage()), 50);
    f->SetSurface([](QPainter& p) { return std::make_unique<SurfaceQt>(p); });
    EXPECT_GT(PixelsSombres(chart->viewport()->grab().toImage()), 50);

    const std::string texte = doc.LGraf();
    f->close();
    EXPECT_EQ(fermee.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(f.isNull());
    EXPECT_EQ(fermee.count(), 1);
    // The document is the caller's and is untouched.
    ASSERT_NE(doc.PGraf(), nullptr);
    EXPECT_EQ(doc.LGraf(), texte);
    EXPECT_TRUE(doc.IsGenerer());
}

TEST_F(GenerationGui, RunWindowSaysWhenTheProgramIsMissingOrStale)
{
    Cycle();
    auto etat = [this] {
        GrafcetWindow f(nullptr, &doc, 0);
        return f.findChild<QLabel*>(QStringLiteral("etatProgramme"))->text();
    };
    EXPECT_TRUE(etat().startsWith(QStringLiteral("Aucun programme")));
    Genere(0);
    EXPECT_TRUE(etat().startsWith(QStringLiteral("Programme généré")));
    doc.Modif();
    EXPECT_TRUE(etat().startsWith(QStringLiteral("Le programme n'est pas à jour")));
    GrafcetWindow vide(nullptr, nullptr, 0);
    EXPECT_EQ(vide.findChild<QPlainTextEdit*>(QStringLiteral("programme"))->toPlainText(), QString());
}

// The run command waits until the run window is closed, then returns: when
// called directly, as the Mode menu does, and from the dialog's "Simuler"
// button connected straight to it.
TEST_F(GenerationGui, RunCommandWaitsForTheWindowToClose)
{
    Cycle();
    QPointer<BGene> dialogue = Genere(2);
    QWidget cadre;
    cadre.show();
    QObject::connect(dialogue, &BGene::Commande, [&](int id) {
        LanceExecution(&cadre, &doc, id == 305 ? 0 : 2, &vue);
    });
    struct Cas {
        const char* nom;
        short carte;
        std::function<void()> lance;
    };
    const Cas cas[] = {
        {"menu", 2, [&] { LanceExecution(&cadre, &doc, 2, &vue); }},
        {"dialogue", 0,
         [&] { QTest::mouseClick(dialogue->findChild<QPushButton*>(QStringLiteral("105")), Qt::LeftButton); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        int vues = 0;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* f = qobject_cast<GrafcetWindow*>(w); f && f->isVisible()) {
                    ++vues;
                    EXPECT_EQ(f->Document(), &doc);
                    EXPECT_EQ(f->Carte(), c.carte);
                    EXPECT_EQ(f->parentWidget(), &cadre);
                    EXPECT_TRUE(f->isModal());
                    EXPECT_TRUE(f->Vue()->AvecSurface());
                    f->close();
                }
            }
        });
        // Never hang the run: whatever is left open is closed after a while.
        QTimer garde;
        garde.setSingleShot(true);
        QObject::connect(&garde, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<GrafcetWindow*>(w))
                    w->close();
            QCoreApplication::exit(1);
        });
        garde.start(10000);
        c.lance();
        EXPECT_EQ(vues, 1);
        EXPECT_TRUE(garde.isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(cadre.findChildren<GrafcetWindow*>().isEmpty());
    }
    EXPECT_TRUE(dialogue.isNull());
    EXPECT_EQ(doc.LGraf(), ProgrammeEcrit());
    EXPECT_TRUE(doc.IsGenerer());
}

} // namespace
