#pragma once

#include <QDialog>

#include "cible/ListeCartes.h"

class QComboBox;
class QPushButton;

// The choice of the control card among those of the card list of the data
// directory. On OK the caller's card code receives the chosen card's code;
// "Configurer" sets the port of the cards that have one.
class TCarteC : public QDialog {
    Q_OBJECT
public:
    TCarteC(QWidget* parent, char* carte);

    // 1 on OK (the code written to the caller's card), 2 otherwise. Without
    // a card list the dialog is not shown and gives 2.
    int Execute();

private:
    void SelectionChange(int index);
    void Configurer();
    void Ok();

    char* carte;
    ListeCartes liste;
    QComboBox* choix;
    QPushButton* configurer;
    QPushButton* ok;
};
