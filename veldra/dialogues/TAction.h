#pragma once

#include <vector>

#include "dialogues/DialogueElement.h"

class QListWidget;
class QListWidgetItem;

// "Définition des actions": the actions of an action block, one line each
// (the action, and a tab and the condition when there is one), shown in
// two columns. "Modifier" (or a double click) and "Ajouter..." open the
// action dialog, "Enlever" removes the selected line. On OK the caller's
// text is rebuilt from the lines.
class TAction : public DialogueElement {
    Q_OBJECT
public:
    TAction(QWidget* parent, std::string* actions, int modele = 3);

    // The lines of an action list text. Items are closed by "|"; an item is
    // the action alone or "{" condition "}" action, and the condition is
    // also accepted after the action. Characters after the last "|" are no
    // item. "{" starts a new condition, and the first action character after
    // "}" a new action, so text before a braced condition that is followed
    // by action text is dropped. Actions and conditions are kept whole.
    static std::vector<std::string> Lignes(const std::string& texte);
    // The action list text of the lines: "{" condition "}" action "|" for a
    // line with a tab, action "|" for the others.
    static std::string Texte(const std::vector<std::string>& lignes);

    void accept() override;

private:
    QListWidgetItem* Selection() const;
    QListWidgetItem* Element(const std::string& ligne) const;
    void Modifier();
    void Ajouter();
    void Enlever();

    std::string* actions;
    QListWidget* liste;
};
