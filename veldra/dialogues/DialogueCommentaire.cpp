#include "dialogues/DialogueCommentaire.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "ConversionTexte.h"

DialogueCommentaire::DialogueCommentaire(QWidget* parent, std::string* t)
    : DialogueElement(parent, QStringLiteral("Commentaire"), 9), tampon(t)
{
    auto* l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    auto* invite = new QLabel(QString(), this);
    invite->setObjectName(QStringLiteral("4091"));
    l->addWidget(invite);
    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("4090"));
    edit->setMinimumWidth(Unites(160));
    l->addWidget(edit);
    AjouteOkAnnuler(l);

    origine = tampon ? *tampon : std::string();
    affiche = VersQString(origine);
    edit->setMaxLength(std::max<int>(LIMITE, static_cast<int>(affiche.size())));
    edit->setText(affiche);
    edit->selectAll();
    edit->setFocus();
}

void DialogueCommentaire::accept()
{
    if (tampon)
        *tampon = TexteRelu(edit->text(), affiche, origine);
    DialogueElement::accept();
}
