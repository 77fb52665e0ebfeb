#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "cible/FichierParties.h"

class QComboBox;
class QPushButton;

// The choice of the operative part of a card among the blocks of the
// operative-part file, with "Ajouter" (a new part through the card's
// definition dialog) and "Enlever" (removes a part that is not read-only).
// On OK the caller's name receives the chosen part's name.
class TPartOp : public QDialog {
    Q_OBJECT
public:
    // `donnees` is the data directory (ending with "/"); by default the one
    // of the settings store.
    TPartOp(QWidget* parent, char carte, std::string* nom, std::string donnees = std::string());

    // 1 on OK, 2 otherwise. Without an operative-part file the dialog is not
    // shown and gives 2.
    int Execute();

private:
    void MajBoutons();
    void Ajouter();
    void Enlever();
    void Ok();

    unsigned char carte;
    std::string* nom;
    std::string donnees;
    std::string chemin;          // the operative-part file
    bool edition = false;        // the card list allows adding and removing
    bool modifiable = false;     // the file can be rewritten without loss
    bool ouvert = false;         // the file was read
    std::vector<fichierparties::Partie> entrees; // the list's entries, in its order
    QComboBox* choix;
    QPushButton* ajouter;
    QPushButton* enlever;
};
