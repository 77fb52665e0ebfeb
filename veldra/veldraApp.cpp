#include "veldraApp.h"

#include <QApplication>
#include <QLabel>

#include "FenetreAide.h"
#include "PoliceSymboles.h"
#include "SelectionCible.h"
#include "ConversionTexte.h"
#include "Textes.h"
#include "cible/TCarteC.h"
#include "cible/TPartOp.h"
#include <QMessageBox>
#include "GestionnaireDocuments.h"
#include "platform/Reglages.h"
#include "veldraAboutDlg.h"
#include "veldraFrame.h"
#include "veldraMDIClient.h"

veldraApp::veldraApp()
{
    const Reglages reglages;
    carte = reglages.Carte();
    nomPop = reglages.NomPop();
    erreurReglages = [this](const QString& texte) {
        QMessageBox::warning(frame.get(), QStringLiteral("Veldra"), texte);
    };
    PublieSelection();
}

void veldraApp::PublieSelection()
{
    SelectionCible& s = SelectionCible::Courante();
    s.carte = carte;
    s.nomPop = nomPop;
    s.donnees = Reglages().RepertoireDonnees();
}

void veldraApp::ChoisitCarte()
{
    Reglages reglages;
    // The card is read again: another window may have changed it.
    std::string valeur;
    if (reglages.Lit(Reglages::CLE_CIBLE, "CARTE", valeur))
        carte = reglages.Carte();
    char choix = carte;
    TCarteC dialogue(frame.get(), &choix);
    if ((lanceDialogue ? lanceDialogue(dialogue) : dialogue.Execute()) != 1)
        return;
    carte = choix;
    reglages.Ecrit(Reglages::CLE_CIBLE, "CARTE", std::to_string(static_cast<unsigned char>(carte)));
    std::string erreur;
    if (!reglages.Sauve(&erreur))
        erreurReglages(QStringLiteral("Impossible d'enregistrer le choix de la carte : ") + QString::fromStdString(erreur));
    frame->ChangeLibelle(cmd::CARTE, textes::NomCarte(static_cast<unsigned char>(carte)));
    PublieSelection();
}

void veldraApp::ChoisitPartieOperative()
{
    std::string nom = nomPop;
    TPartOp dialogue(frame.get(), carte, &nom);
    if ((lanceDialogue ? lanceDialogue(dialogue) : dialogue.Execute()) != 1)
        return;
    nomPop = nom;
    Reglages reglages;
    reglages.Ecrit(Reglages::CLE_CIBLE, "P_OPERA", nomPop);
    std::string erreur;
    if (!reglages.Sauve(&erreur))
        erreurReglages(QStringLiteral("Impossible d'enregistrer le choix de la partie opérative : ") + QString::fromStdString(erreur));
    frame->ChangeLibelle(cmd::PARTIE_OPERATIVE, VersQString(nomPop));
    PublieSelection();
}

veldraApp::~veldraApp()
{
    // The frame owns the client and the views; the documents go after them.
    frame.reset();
    gestionnaire.reset();
}

void veldraApp::InitMainWindow()
{
    // The faces of equations ("VELDRA", "Norim Font", "Norim Fonts") before any window uses them.
    EnregistrePoliceSymboles();
    client = new veldraMDIClient;
    gestionnaire = std::make_unique<GestionnaireDocuments>(*client, nullptr);
    frame = std::make_unique<veldraFrame>(*this, client, *gestionnaire);
    frame->resize(1000, 720);
}

int veldraApp::Run()
{
    if (!frame)
        InitMainWindow();
    frame->show();
    return QApplication::exec();
}

bool veldraApp::Execute(int id)
{
    switch (id) {
    case cmd::NOUVEAU:
        gestionnaire->Nouveau();
        frame->TexteZoom()->setText(QStringLiteral("Zoom 2"));
        return true;
    case cmd::A_PROPOS: {
        veldraAboutDlg dialogue(frame.get());
        dialogue.exec();
        return true;
    }
    case cmd::AIDE:
        FenetreAide::Montre(frame.get());
        return true;
    case cmd::CARTE:
        ChoisitCarte();
        return true;
    case cmd::PARTIE_OPERATIVE:
        ChoisitPartieOperative();
        return true;
    default:
        return false;
    }
}

bool veldraApp::Etat(int id, EtatCommande& etat)
{
    switch (id) {
    case cmd::NOUVEAU:
    case cmd::A_PROPOS:
    case cmd::AIDE:
    case cmd::CARTE:
    case cmd::PARTIE_OPERATIVE:
        etat.actif = true;
        return true;
    default:
        return false;
    }
}
