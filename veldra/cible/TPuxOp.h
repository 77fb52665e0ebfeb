#pragma once

#include <array>

#include "cible/DefinitionPartie.h"

// A new operative part of the PUX card (code 3): the direction of each port
// of its two interface chips, "PPI 1" and "PPI 2".
class TPuxOp : public DefinitionPartie {
    Q_OBJECT
public:
    TPuxOp(QWidget* parent, std::string* nom, std::string donnees = std::string());

protected:
    bool Records(std::vector<composant>& records) override;

private:
    std::array<QComboBox*, 8> ports{};
};
