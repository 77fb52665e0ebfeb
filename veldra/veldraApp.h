#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "Commandes.h"

class QPrinter;
class ServicesImpression;
class VerificationImprimante;
class veldraFrame;
class veldraMDIClient;
class veldraMDIChild;
class GestionnaireDocuments;

// The application: the target card and operative part chosen (kept in the
// settings file), the frame with its MDI client and document manager, the
// printer and the printing counter, and the application's own commands.
class veldraApp : public QObject, public CibleCommandes {
    Q_OBJECT
public:
    veldraApp();
    ~veldraApp() override;

    // Builds the frame (the main window) without showing it.
    void InitMainWindow();
    // Shows the frame and runs the event loop until it closes.
    int Run();

    char Carte() const { return carte; }
    const std::string& NomPop() const { return nomPop; }
    veldraFrame* Frame() const { return frame.get(); }
    GestionnaireDocuments* Gestionnaire() const { return gestionnaire.get(); }
    veldraMDIClient* Client() const { return client; }
    int CompteurImpression() const { return compteurImpression; }
    ServicesImpression* Impression() const { return impression.get(); }
    // The nomenclature commands.
    void NomenclatureCible();
    void NomenclatureGrafcet();

    bool Execute(int id) override;
    bool Etat(int id, EtatCommande& etat) override;

    // The card and operative-part commands; the dialogs can be answered by tests.
    void ChoisitCarte();
    void ChoisitPartieOperative();
    // Shows a failure to write the settings (the tests replace it).
    std::function<void(const QString&)> erreurReglages;
    // Runs the card and operative-part dialogs; the tests answer them.
    // Returns 1 when the dialog was closed by OK.
    std::function<int(class QDialog&)> lanceDialogue;

private:
    void PublieSelection();
    char carte = 0;
    std::string nomPop;
    veldraMDIClient* client = nullptr;
    std::unique_ptr<GestionnaireDocuments> gestionnaire;
    std::unique_ptr<veldraFrame> frame;
    int compteurImpression = 0;
    // The printer (created on first use) and the check of the default printer.
    std::unique_ptr<ServicesImpression> impression;
    std::unique_ptr<VerificationImprimante> verification;
};
