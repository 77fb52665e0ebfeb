#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "variables/composant.h"

class QComboBox;
class QLineEdit;
class QVBoxLayout;

// What the three definition dialogs of a new operative part share: the
// name, its checks, and appending the block to the operative-part file.
// Each card's dialog adds its own fields and gives the records.
class DefinitionPartie : public QDialog {
    Q_OBJECT
public:
    // Longest name these dialogs give a new part.
    static constexpr int LONGUEUR_NOM = 18;

    // 1 on OK (the caller's name then holds the new part's name, empty when
    // no name was typed and nothing was written), 2 otherwise.
    int Execute();

protected:
    // `donnees`: the data directory (ending with "/"); by default the one of
    // the settings store.
    DefinitionPartie(QWidget* parent, std::string* nom, unsigned char carte, std::string donnees,
                     int idNom);

    // The records of the new part; false when nothing is to be written and
    // the dialog closes as cancelled.
    virtual bool Records(std::vector<composant>& records) = 0;

    // A list offering "Entrée" and "Sortie", "Entrée" selected.
    QComboBox* ListeSens(int id);
    static bool EstSortie(const QComboBox* liste);

    QVBoxLayout* disposition;
    QLineEdit* editNom;

    // Connects OK; called by each dialog once its fields are laid out.
    void Termine();

private:
    void Ok();

    std::string* nom;
    unsigned char carte;
    std::string donnees;
};
