#include "veldraApp.h"

#include <QApplication>
#include <QLabel>

#include "FenetreAide.h"
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
}

veldraApp::~veldraApp()
{
    // The frame owns the client and the views; the documents go after them.
    frame.reset();
    gestionnaire.reset();
}

void veldraApp::InitMainWindow()
{
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
        etat.actif = true;
        return true;
    default:
        return false;
    }
}
