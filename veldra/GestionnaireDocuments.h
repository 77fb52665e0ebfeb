#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "Commandes.h"
#include "veldraMDIChild.h"

class QWidget;
class TGrafDoc;
class veldraMDIClient;
class veldraMDIChild;
class veldraWindowView;

// The document manager: it opens, saves and closes documents through their
// two templates (diagrams ".gra", nomenclatures ".lst"), makes one MDI
// child per view, asks before a changed diagram is closed, and deletes a
// diagram document with its last view.
class GestionnaireDocuments : public QObject, public CibleCommandes {
    Q_OBJECT
public:
    // The dialogs it shows; the tests replace them to answer for the user.
    struct Dialogues {
        // Yes, No or Cancel (QMessageBox::StandardButton values).
        std::function<int(QWidget*, const QString& texte)> question;
        std::function<void(QWidget*, const QString& texte)> information;
        std::function<void(QWidget*, const QString& texte)> erreur;
        // Empty when cancelled.
        std::function<QString(QWidget*)> ouvrir;
        std::function<QString(QWidget*, const QString& suggestion)> enregistrerSous;
    };

    GestionnaireDocuments(veldraMDIClient& client, QWidget* fenetre);
    ~GestionnaireDocuments() override;

    Dialogues dialogues;
    // The zoom the zoom buttons of the toolbar ask for new views.
    std::function<short()> zoomDemande = [] { return short(2); };
    // Opens the target nomenclature (the ".lst" template).
    std::function<void()> ouvreNomenclature;

    // A new untitled, empty diagram.
    veldraWindowView* Nouveau();
    // Opens a file through the template that matches its name: a diagram
    // opens in a new view; false (with a message) when it cannot be opened.
    bool OuvreChemin(const QString& chemin);
    // Dropped files: every diagram opens; names that match no template are skipped.
    void OuvreFichiersDeposes(const QStringList& chemins);

    bool Sauvegarde(TGrafDoc& doc, QWidget* parent);
    bool SauvegardeSous(TGrafDoc& doc, QWidget* parent);

    // Asked before a child closes: a changed diagram is saved on Yes,
    // dropped on No; Cancel keeps the window.
    bool PeutFermer(veldraMDIChild* enfant);
    // The child is gone: its document goes with it.
    void Oublie(veldraMDIChild* enfant);
    // Closes every child after the questions; false when one refused.
    bool ToutFerme();

    // The document of the active child, null when none.
    TGrafDoc* DocumentCourant() const;
    veldraWindowView* VueCourante() const;
    std::size_t NombreDocuments() const { return ouverts.size(); }

    bool Execute(int id) override;
    bool Etat(int id, EtatCommande& etat) override;

    // The title a diagram shows: its file name, or "Sans titre" when it has none.
    static QString Titre(const TGrafDoc& doc);

signals:
    // A view was created, with its child (the frame sizes it and follows its zoom).
    void VueCreee(veldraMDIChild* enfant, veldraWindowView* vue);
    // A document was saved, opened or closed: the command states may change.
    void DocumentsChanges();

private:
    struct Ouvert {
        std::unique_ptr<TGrafDoc> doc;
        QPointer<veldraMDIChild> enfant;
    };
    veldraWindowView* Montre(std::unique_ptr<TGrafDoc> doc);
    Ouvert* Trouve(const veldraMDIChild* enfant);
    void MetTitre(Ouvert& o);

    veldraMDIClient& client;
    QWidget* fenetre;
    std::vector<Ouvert> ouverts;
    bool fermetureGeneree = false;
};
