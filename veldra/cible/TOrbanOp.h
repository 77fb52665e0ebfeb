#pragma once

#include <array>

#include "cible/DefinitionPartie.h"

// A new operative part of the ORBAN card (code 2): the direction of each
// port of its interface chip.
class TOrbanOp : public DefinitionPartie {
    Q_OBJECT
public:
    TOrbanOp(QWidget* parent, std::string* nom, std::string donnees = std::string());

protected:
    bool Records(std::vector<composant>& records) override;

private:
    std::array<QComboBox*, 4> ports{};
};
