#pragma once

#include <QMdiArea>
#include <functional>

#include "Commandes.h"

// The MDI client: the area of the frame that holds the children. It arranges
// them, closes them all, and takes dropped files for the frame.
class veldraMDIClient : public QMdiArea, public CibleCommandes {
    Q_OBJECT
public:
    explicit veldraMDIClient(QWidget* parent = nullptr);

    bool Execute(int id) override;
    bool Etat(int id, EtatCommande& etat) override;

    // What the run and print commands need from the application.
    std::function<class TGrafDoc*()> documentCourant;
    std::function<short()> carte;
    class ServicesImpression* impression = nullptr;

signals:
    void FichiersDeposes(const QStringList& chemins);

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};

// The local files of a drop, in order.
QStringList CheminsDeposes(const class QMimeData* donnees);
