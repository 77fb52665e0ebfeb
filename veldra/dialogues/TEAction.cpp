#include "dialogues/TEAction.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ConversionTexte.h"
#include "dialogues/Editeurs.h"
#include "dialogues/TEquation.h"
#include "dialogues/TListac.h"

TEAction::TEAction(QWidget* parent, std::string* l, int /*modele*/)
    : DialogueElement(parent, QStringLiteral("Action"), 9), ligne(l)
{
    auto* lv = new QVBoxLayout(this);
    lv->setSizeConstraint(QLayout::SetFixedSize);

    auto* groupeAction = new QGroupBox(QStringLiteral("Action"), this);
    groupeAction->setObjectName(QStringLiteral("104"));
    auto* la = new QVBoxLayout(groupeAction);
    edit = new EditeurLigne(Casse::Majuscules, groupeAction);
    edit->setObjectName(QStringLiteral("101"));
    edit->setMinimumWidth(Unites(74));
    la->addWidget(edit);
    lv->addWidget(groupeAction);

    auto* groupeCondition = new QGroupBox(QStringLiteral("Condition"), this);
    groupeCondition->setObjectName(QStringLiteral("105"));
    auto* lc = new QVBoxLayout(groupeCondition);
    boutonCondition = new QPushButton(groupeCondition);
    boutonCondition->setObjectName(QStringLiteral("102"));
    boutonCondition->setAutoDefault(false);
    boutonCondition->setMinimumWidth(Unites(87));
    connect(boutonCondition, &QPushButton::clicked, this, &TEAction::EditeCondition);
    lc->addWidget(boutonCondition);
    lv->addWidget(groupeCondition);

    auto* liste = new QPushButton(QStringLiteral("Liste des actions"), this);
    liste->setObjectName(QStringLiteral("103"));
    liste->setAutoDefault(false);
    connect(liste, &QPushButton::clicked, this, &TEAction::ListeNoms);
    auto* ll = new QHBoxLayout;
    ll->addStretch(1);
    ll->addWidget(liste);
    ll->addStretch(1);
    lv->addLayout(ll);
    AjouteOkAnnuler(lv);

    // The action up to the first tab, the condition after it.
    const std::string texte = ligne ? *ligne : std::string();
    const auto tab = texte.find('\t');
    origineAction = texte.substr(0, tab);
    FixeCondition(tab == std::string::npos ? std::string() : texte.substr(tab + 1));
    afficheAction = VersQString(origineAction);
    // Typing stops at 255 characters; a longer action from the diagram is shown whole.
    edit->setMaxLength(std::max<int>(255, static_cast<int>(afficheAction.size())));
    edit->setText(afficheAction);
    edit->setFocus();
}

void TEAction::FixeCondition(const std::string& c)
{
    condition = c;
    QString legende = VersQString(c);
    legende.replace(QLatin1Char('&'), QStringLiteral("&&")); // not a mnemonic
    boutonCondition->setText(legende);
}

void TEAction::EditeCondition()
{
    std::string equation = condition;
    TEquation dialogue(this, &equation);
    if (Ouvre(dialogue) == 1)
        FixeCondition(equation == "1" ? std::string() : equation);
    edit->setFocus();
}

void TEAction::ListeNoms()
{
    std::string nom;
    TListac liste(this, 1, &nom);
    if (Ouvre(liste) == 1 && !nom.empty())
        edit->Insere(VersQString(nom));
    edit->setFocus();
}

void TEAction::accept()
{
    if (ligne) {
        std::string texte = TexteRelu(edit->text(), afficheAction, origineAction);
        if (!condition.empty())
            texte += '\t' + condition;
        *ligne = texte;
    }
    DialogueElement::accept();
}
