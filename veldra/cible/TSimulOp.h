#pragma once

#include "cible/DefinitionPartie.h"

// A new operative part of the simulation card (code 0): its numbers of
// inputs and outputs, 100 at most each.
class TSimulOp : public DefinitionPartie {
    Q_OBJECT
public:
    TSimulOp(QWidget* parent, std::string* nom, std::string donnees = std::string());

protected:
    bool Records(std::vector<composant>& records) override;

private:
    QLineEdit* entrees;
    QLineEdit* sorties;
};
