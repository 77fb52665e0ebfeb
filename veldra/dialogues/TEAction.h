#pragma once

#include "dialogues/DialogueElement.h"

class EditeurLigne;
class QPushButton;

// "Action": one action line, that is the action text and, when there is a
// condition, a tab and the condition. Letters typed in the action become
// upper case. The condition button shows the condition and opens the
// receptivity dialog on it; a condition confirmed as "1" (always true) is
// dropped. "Liste des actions" inserts a name of the operative part's
// outputs. On OK the line is rebuilt from the whole action text and the
// condition.
class TEAction : public DialogueElement {
    Q_OBJECT
public:
    TEAction(QWidget* parent, std::string* ligne, int modele = 8);

    void accept() override;

private:
    void FixeCondition(const std::string& c);
    void EditeCondition();
    void ListeNoms();

    std::string* ligne;
    std::string origineAction;
    QString afficheAction;
    std::string condition;
    EditeurLigne* edit;
    QPushButton* boutonCondition;
};
