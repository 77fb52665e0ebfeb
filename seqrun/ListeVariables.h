#pragma once

#include <QTreeWidget>

class ListV;

// The variables of the last generation of a diagram, grouped by nature and
// direction under the nomenclature's headings, each with its label and its
// designation. Step activity variables are left out: the chart shows them.
class ListeVariables : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListeVariables(QWidget* parent = nullptr);

    // Lists the variables again; null empties the list.
    void Remplit(const ListV* variables);
    // How many variables are listed, over all groups.
    int NbVariables() const;
};
