#include "dialogues/DialogueElement.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QPushButton>
#include <QStyle>

#include "ConversionTexte.h"

std::function<int(QDialog&)> DialogueElement::OuvreSousDialogue = [](QDialog& d) {
    return d.exec() == QDialog::Accepted ? 1 : 2;
};

DialogueElement::DialogueElement(QWidget* parent, const QString& titre, int taillePolice)
    : QDialog(parent)
{
    setWindowTitle(titre);
    QFont police = QApplication::font();
    police.setFamilies({QStringLiteral("Norim Fonts"), QApplication::font().family()});
    police.setPointSize(taillePolice);
    setFont(police);
}

int DialogueElement::Execute()
{
    return exec() == QDialog::Accepted ? 1 : 2;
}

int DialogueElement::Ouvre(QDialog& d)
{
    if (OuvreSousDialogue)
        return OuvreSousDialogue(d);
    return d.exec() == QDialog::Accepted ? 1 : 2;
}

void DialogueElement::AjouteOkAnnuler(QBoxLayout* l)
{
    auto* separateur = new QFrame(this);
    separateur->setFrameShape(QFrame::HLine);
    separateur->setFrameShadow(QFrame::Sunken);
    l->addWidget(separateur);

    ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    annuler = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("Annuler"), this);
    annuler->setObjectName(QStringLiteral("2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(ok);
    boutons->addStretch(1);
    boutons->addWidget(annuler);
    boutons->addStretch(1);
    l->addLayout(boutons);
}

int DialogueElement::Unites(int n) const
{
    return n * fontMetrics().averageCharWidth() / 4;
}

int DialogueElement::UnitesV(int n) const
{
    return n * fontMetrics().height() / 8;
}

std::string TexteRelu(const QString& actuel, const QString& affiche, const std::string& origine)
{
    return actuel == affiche ? origine : VersOctets(actuel);
}
