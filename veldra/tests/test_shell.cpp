// The application shell driven through its real widgets: menus, toolbar,
// palette, status bar, the document manager and its questions, dropped files.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QAbstractButton>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include "Commandes.h"
#include "FenetreAide.h"
#include "GestionnaireDocuments.h"
#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "veldraAboutDlg.h"
#include "veldraApp.h"
#include "veldraFrame.h"
#include "veldraMDIClient.h"
#include "vue/veldraWindowView.h"

namespace {

// A settings file for one test, then the application built on it.
class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        qputenv("VELDRA_SETTINGS", dossier.filePath("veldra.ini").toLocal8Bit());
    }
    void Demarre(const QByteArray& reglages = {})
    {
        if (!reglages.isEmpty()) {
            QFile f(dossier.filePath("veldra.ini"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(reglages);
        }
        app = std::make_unique<veldraApp>();
        app->InitMainWindow();
        frame = app->Frame();
        frame->show();
        gestionnaire = app->Gestionnaire();
        // Nobody is there to answer: the tests answer and remember the questions.
        gestionnaire->dialogues.question = [this](QWidget*, const QString& t) {
            questions << t;
            return reponse;
        };
        gestionnaire->dialogues.information = [this](QWidget*, const QString& t) { messages << t; };
        gestionnaire->dialogues.erreur = [this](QWidget*, const QString& t) { messages << t; };
        gestionnaire->dialogues.enregistrerSous = [this](QWidget*, const QString&) { return cheminSous; };
        gestionnaire->dialogues.ouvrir = [this](QWidget*) { return cheminOuvrir; };
    }
    void TearDown() override
    {
        if (gestionnaire)
            gestionnaire->dialogues.question = [](QWidget*, const QString&) { return int(QMessageBox::No); };
        app.reset();
    }
    QString Copie(const QString& exemple)
    {
        const QString cible = dossier.filePath(exemple);
        QFile::remove(cible);
        QFile::copy(QStringLiteral(VELDRA_EXEMPLES) + "/" + exemple, cible);
        return cible;
    }
    QAction* A(int id) { return frame->Action(id); }
    QString Zoom() { return frame->TexteZoom()->text(); }

    QTemporaryDir dossier;
    std::unique_ptr<veldraApp> app;
    veldraFrame* frame = nullptr;
    GestionnaireDocuments* gestionnaire = nullptr;
    QStringList questions;
    QStringList messages;
    int reponse = QMessageBox::Cancel;
    QString cheminSous;
    QString cheminOuvrir;
};

TEST_F(Shell, CibleMenuShowsTheCardAndPartOfTheSettings)
{
    Demarre();
    EXPECT_EQ(A(cmd::CARTE)->text(), "Simulation");
    EXPECT_EQ(A(cmd::PARTIE_OPERATIVE)->text(), "");
    app.reset();
    Demarre("[SOFTWARE\\NORIM\\VELDRA\\CIBLE]\nCARTE=2\nP_OPERA=Malaxeur\n");
    EXPECT_EQ(A(cmd::CARTE)->text(), "ORBAN");
    EXPECT_EQ(A(cmd::PARTIE_OPERATIVE)->text(), "Malaxeur");
    app.reset();
    Demarre("[SOFTWARE\\NORIM\\VELDRA\\CIBLE]\nCARTE=4\n");
    EXPECT_EQ(A(cmd::CARTE)->text(), ""); // no name for card 4
}

TEST_F(Shell, MenusHintsAndInitialStates)
{
    Demarre();
    EXPECT_EQ(A(cmd::NOUVEAU)->text(), "&Nouveau");
    EXPECT_EQ(A(cmd::EFFACER)->text(), "&Effacer\tDel");
    EXPECT_EQ(A(cmd::ZOOM1)->text(), "Zoom &1&\tF1");
    EXPECT_EQ(A(cmd::SAUVEGARDER)->statusTip(), "Sauvergarder le grafcet courant");
    EXPECT_EQ(A(cmd::ANNULER)->statusTip(), "Reverses the last operation");
    EXPECT_TRUE(A(cmd::ZOOM2)->isChecked());
    // No document: only what needs none is enabled; cut, copy and paste have no handler.
    struct Cas {
        int id;
        bool actif;
    };
    for (const Cas& c : {Cas{cmd::NOUVEAU, true}, Cas{cmd::OUVRIR, true}, Cas{cmd::FERMER, false},
                         Cas{cmd::SAUVEGARDER, false}, Cas{cmd::ZOOM1, false}, Cas{cmd::COPIER_VERS, false},
                         Cas{cmd::COUPER, false}, Cas{cmd::COLLER, false}, Cas{cmd::A_PROPOS, true},
                         Cas{cmd::AIDE, true}, Cas{cmd::QUITTER, true}}) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(A(c.id)->isEnabled(), c.actif);
    }
    frame->Commande(cmd::NOUVEAU);
    for (const Cas& c : {Cas{cmd::FERMER, true}, Cas{cmd::SAUVEGARDER, true}, Cas{cmd::ZOOM1, true},
                         Cas{cmd::COPIER_VERS, true}, Cas{cmd::COUPER, false}}) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(A(c.id)->isEnabled(), c.actif);
    }
}

TEST_F(Shell, NewDiagramStartsInCreationModeWithTheInitialStepAndZoom2)
{
    Demarre();
    frame->Commande(cmd::ZOOM3); // no view: nothing happens, the button stays
    A(cmd::ZOOM3)->setChecked(true);
    frame->Commande(cmd::NOUVEAU);
    veldraWindowView* vue = gestionnaire->VueCourante();
    ASSERT_NE(vue, nullptr);
    EXPECT_EQ(vue->LMode(), 0);
    EXPECT_EQ(vue->LTool(), 0);
    EXPECT_EQ(vue->LZoom(), 3); // taken from the button that is down
    EXPECT_EQ(Zoom(), "Zoom 2");  // a new view always says "Zoom 2"
    EXPECT_TRUE(A(cmd::OUTIL_PREMIER)->isChecked());
    EXPECT_TRUE(A(cmd::ZOOM3)->isChecked());
}

TEST_F(Shell, ChartOpenedFromAFileStartsInSelectionMode)
{
    Demarre();
    cheminOuvrir = Copie("complet.gra");
    frame->Commande(cmd::OUVRIR);
    veldraWindowView* vue = gestionnaire->VueCourante();
    ASSERT_NE(vue, nullptr);
    EXPECT_EQ(vue->LMode(), 1);
    EXPECT_TRUE(A(cmd::MODE_SELECTION)->isChecked());
    ASSERT_NE(vue->Document().PGraf(), nullptr);
    EXPECT_EQ(vue->Document().PGraf()->Symboles().size(), 38u);
    EXPECT_EQ(app->Client()->activeSubWindow()->windowTitle(), "complet.gra");

    // The same file again: already loaded.
    frame->Commande(cmd::OUVRIR);
    EXPECT_EQ(gestionnaire->NombreDocuments(), 1u);
    EXPECT_TRUE(messages.contains("Le document est déjà chargé!"));

    // The palette follows the active child.
    frame->Commande(cmd::NOUVEAU);
    EXPECT_TRUE(A(cmd::OUTIL_PREMIER)->isChecked());
    app->Client()->setActiveSubWindow(app->Client()->subWindowList().first());
    EXPECT_TRUE(A(cmd::MODE_SELECTION)->isChecked());
}

TEST_F(Shell, ZoomCommandsKeysCheckMarksAndStatusText)
{
    Demarre();
    frame->Commande(cmd::NOUVEAU);
    veldraWindowView* vue = gestionnaire->VueCourante();
    frame->Commande(cmd::ZOOM1);
    EXPECT_EQ(vue->LZoom(), 1);
    EXPECT_EQ(Zoom(), "Zoom 1");
    EXPECT_TRUE(A(cmd::ZOOM1)->isChecked());
    EXPECT_FALSE(A(cmd::ZOOM2)->isChecked());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_F3);
    EXPECT_EQ(vue->LZoom(), 3);
    EXPECT_EQ(Zoom(), "Zoom 3");
    EXPECT_TRUE(A(cmd::ZOOM3)->isChecked());
}

TEST_F(Shell, ClosingAChangedDiagramAsksFirst)
{
    Demarre();
    frame->Commande(cmd::NOUVEAU);
    TGrafDoc* doc = gestionnaire->DocumentCourant();
    ASSERT_NE(doc, nullptr);
    doc->Modif();

    reponse = QMessageBox::Cancel; // the window stays
    frame->Commande(cmd::FERMER);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], "Le document a changé.\n\nVoulez vous l'enregistrer?");
    EXPECT_EQ(gestionnaire->NombreDocuments(), 1u);

    reponse = QMessageBox::Yes; // saved under the name given, then closed
    cheminSous = dossier.filePath("nouveau.gra");
    frame->Commande(cmd::FERMER);
    EXPECT_EQ(gestionnaire->NombreDocuments(), 0u);
    EXPECT_TRUE(QFile::exists(cheminSous));

    frame->Commande(cmd::NOUVEAU);
    gestionnaire->DocumentCourant()->Modif();
    reponse = QMessageBox::Yes; // but the name is refused: the window stays
    cheminSous.clear();
    frame->Commande(cmd::FERMER);
    EXPECT_EQ(gestionnaire->NombreDocuments(), 1u);

    reponse = QMessageBox::No; // dropped
    frame->Commande(cmd::FERMER);
    EXPECT_EQ(gestionnaire->NombreDocuments(), 0u);

    // An unchanged diagram closes without a question.
    questions.clear();
    frame->Commande(cmd::NOUVEAU);
    frame->Commande(cmd::FERMER);
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(Shell, SavingAnUnchangedDiagramSaysSo)
{
    Demarre();
    gestionnaire->OuvreChemin(Copie("aller-retour.gra"));
    frame->Commande(cmd::SAUVEGARDER);
    EXPECT_TRUE(messages.contains("Le document n'a pas changé"));
}

TEST_F(Shell, DroppedFilesOpenOnlyDiagrams)
{
    Demarre();
    const QString gra = Copie("aller-retour.gra");
    QFile autre(dossier.filePath("notes.txt"));
    ASSERT_TRUE(autre.open(QIODevice::WriteOnly));
    autre.write("x");
    autre.close();
    QMimeData donnees;
    donnees.setUrls({QUrl::fromLocalFile(gra), QUrl::fromLocalFile(autre.fileName())});
    QDragEnterEvent entree(QPoint(50, 50), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &entree);
    EXPECT_TRUE(entree.isAccepted());
    QDropEvent depot(QPointF(50, 50), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &depot);
    EXPECT_EQ(gestionnaire->NombreDocuments(), 1u);
    EXPECT_EQ(app->Client()->subWindowList().size(), 1);
}

TEST_F(Shell, CopyToTheClipboardGivesSvgAndPng)
{
    Demarre();
    gestionnaire->OuvreChemin(Copie("aller-retour.gra"));
    QApplication::clipboard()->clear();
    frame->Commande(cmd::COPIER_VERS);
    const QMimeData* donnees = QApplication::clipboard()->mimeData();
    ASSERT_NE(donnees, nullptr);
    EXPECT_TRUE(donnees->hasFormat("image/svg+xml"));
    EXPECT_TRUE(donnees->hasImage());
}

TEST_F(Shell, AboutBoxAndHelpWindow)
{
    Demarre();
    veldraAboutDlg apropos(frame);
    auto* version = apropos.findChild<QLabel*>("version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("VELDRA version ") + VELDRA_VERSION);
    FenetreAide* aide = FenetreAide::Montre(frame);
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->Navigateur()->toPlainText().contains("GRAFCET"));
    aide->close();
}

} // namespace

namespace {

TEST_F(Shell, ChoosingACardWritesTheSettingAndTheCaption)
{
    // A card list in a data directory of the test's own.
    QFile liste(dossier.filePath("LISTE.CAR"));
    ASSERT_TRUE(liste.open(QIODevice::WriteOnly));
    QByteArray octets;
    octets.append(char(2)).append(char(0));
    for (const auto& [nom, code] : std::vector<std::pair<QByteArray, int>>{{"Simulation", 0}, {"ORBAN", 2}}) {
        QByteArray r = nom;
        r.resize(20, '\0');
        r.append(char(code)).append(char(0)).append(char(0));
        octets.append(r);
    }
    octets.append(char(1));
    liste.write(octets);
    liste.close();
    Demarre("[SOFTWARE\\NORIM\\VELDRA]\nPATH=" + dossier.path().toUtf8() + "/\n");
    app->lanceDialogue = [](QDialog& d) {
        auto* cartes = d.findChild<QComboBox*>("102");
        if (!cartes)
            return 2;
        cartes->setCurrentText("ORBAN");
        d.findChild<QAbstractButton*>("1")->click();
        return d.result() == QDialog::Accepted ? 1 : 2;
    };
    frame->Commande(cmd::CARTE);
    EXPECT_EQ(app->Carte(), 2);
    EXPECT_EQ(A(cmd::CARTE)->text(), "ORBAN");
    QFile reglages(dossier.filePath("veldra.ini"));
    ASSERT_TRUE(reglages.open(QIODevice::ReadOnly));
    EXPECT_TRUE(reglages.readAll().contains("CARTE=2"));
    // The choice survives a restart.
    app.reset();
    Demarre();
    EXPECT_EQ(A(cmd::CARTE)->text(), "ORBAN");
    // Cancelled: nothing changes.
    app->lanceDialogue = [](QDialog&) { return 2; };
    frame->Commande(cmd::CARTE);
    EXPECT_EQ(A(cmd::CARTE)->text(), "ORBAN");
}

} // namespace

#include <QTimer>
#include "GrafcetWindow.h"

namespace {

TEST_F(Shell, GenerationEnablesTheRunCommandsUntilTheNextEdit)
{
    Demarre("[SOFTWARE\\NORIM\\VELDRA]\nPATH=" + QByteArray(VELDRA_DONNEES)
            + "\n[SOFTWARE\\NORIM\\VELDRA\\CIBLE]\nCARTE=0\nP_OPERA=Chariot\n");
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    ASSERT_TRUE(gestionnaire->OuvreChemin(Copie("aller-retour.gra")));
    EXPECT_FALSE(A(cmd::SIMULATION)->isEnabled());
    frame->Commande(cmd::GENERER);
    EXPECT_TRUE(A(cmd::SIMULATION)->isEnabled());
    EXPECT_FALSE(A(cmd::EXECUTION)->isEnabled()); // card 0 is the simulation
    EXPECT_TRUE(A(cmd::NOMENCLATURE_GRAFCET)->isEnabled());

    // tmp.txt holds what the command-line tool generates for the same chart.
    const std::string commande = std::string(VELDRA_CLI) + " generate --data " + VELDRA_DONNEES
                                 + " --card 0 --pop Chariot " + Copie("aller-retour.gra").toStdString()
                                 + " >" + dossier.filePath("cli.txt").toStdString() + " 2>/dev/null";
    ASSERT_EQ(std::system(commande.c_str()), 0);
    QFile tmp(dossier.filePath("tmp.txt")), cli(dossier.filePath("cli.txt"));
    ASSERT_TRUE(tmp.open(QIODevice::ReadOnly));
    ASSERT_TRUE(cli.open(QIODevice::ReadOnly));
    EXPECT_EQ(tmp.readAll(), cli.readAll());

    // The run window opens in a modal loop; closing it gives control back.
    bool ouverte = false;
    QTimer::singleShot(50, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* f = qobject_cast<GrafcetWindow*>(w)) {
                ouverte = true;
                f->close();
            }
        }
    });
    frame->Commande(cmd::SIMULATION);
    EXPECT_TRUE(ouverte);

    // "Simuler" in the generation dialog runs the same command.
    frame->Commande(cmd::GENERER);
    QAbstractButton* simuler = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == QString::fromUtf8("Génération"))
            simuler = w->findChild<QAbstractButton*>("105");
    }
    ASSERT_NE(simuler, nullptr);
    ouverte = false;
    QTimer::singleShot(50, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* f = qobject_cast<GrafcetWindow*>(w)) {
                ouverte = true;
                f->close();
            }
        }
    });
    simuler->click();
    EXPECT_TRUE(ouverte);

    // Any edit makes the generated code stale: the run commands go off.
    gestionnaire->VueCourante()->Execute(cmd::NUMEROTATION);
    frame->MetAJourCommandes();
    EXPECT_FALSE(A(cmd::SIMULATION)->isEnabled());
    EXPECT_FALSE(A(cmd::NOMENCLATURE_GRAFCET)->isEnabled());
    QDir::setCurrent(avant);
}

} // namespace
