#include "dialogues/TNum.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cctype>
#include <limits>

#include "ConversionTexte.h"

TNum::TNum(QWidget* parent, short* n, int /*modele*/)
    : DialogueElement(parent, QStringLiteral("Numérotation"), 10), numero(n)
{
    auto* l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    auto* ligne = new QHBoxLayout;
    ligne->addStretch(1);
    ligne->addWidget(new QLabel(QStringLiteral("Numéro"), this));
    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("101"));
    edit->setMaxLength(255);
    edit->setFixedWidth(Unites(36));
    ligne->addWidget(edit);
    ligne->addStretch(1);
    l->addLayout(ligne);
    AjouteOkAnnuler(l);

    edit->setText(QString::number(numero ? *numero : 0));
    edit->selectAll();
    edit->setFocus();
}

bool TNum::LitNumero(const std::string& texte, short& n)
{
    std::size_t i = 0;
    while (i < texte.size() && std::isspace(static_cast<unsigned char>(texte[i])))
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-'))
        negatif = texte[i++] == '-';
    const std::size_t debut = i;
    long valeur = 0;
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        valeur = valeur * 10 + (texte[i] - '0');
        if (valeur > 32768)
            return false; // already beyond any 16-bit number
    }
    if (i == debut)
        return false;
    if (negatif)
        valeur = -valeur;
    if (valeur < std::numeric_limits<short>::min() || valeur > std::numeric_limits<short>::max())
        return false;
    n = static_cast<short>(valeur);
    return true;
}

void TNum::accept()
{
    short n = 0;
    if (numero && LitNumero(VersOctets(edit->text()), n))
        *numero = n;
    DialogueElement::accept();
}
