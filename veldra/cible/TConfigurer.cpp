#include "cible/TConfigurer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "cible/AvisCible.h"
#include "cible/ControlesCible.h"
#include "cible/PortsCarte.h"
#include "platform/Reglages.h"

namespace cc = controlescible;

TConfigurer::TConfigurer(QWidget* parent, int c, const QString& nomCarte) : QDialog(parent), code(c)
{
    setWindowTitle(nomCarte);
    auto* disposition = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    grille->addWidget(new QLabel(QStringLiteral("Addresse :"), this), 0, 0);
    ports = cc::Liste(this, 101);
    grille->addWidget(ports, 0, 1);
    disposition->addLayout(grille);
    disposition->addStretch();
    auto* ok = cc::AjouteBoutons(this, disposition, false);
    connect(ok, &QPushButton::clicked, this, &TConfigurer::Ok);

    const Reglages reglages;
    QString courant;
    if (code == 6) {
        ports->addItems({QStringLiteral("$378"), QStringLiteral("$278")});
        courant = QStringLiteral("$%1").arg(portscarte::AdresseParallele(reglages), 0, 16);
    } else {
        for (int i = 1; i <= 8; ++i)
            ports->addItem(QStringLiteral("COM%1").arg(i));
        // Without a stored port, the first serial port.
        const int port = portscarte::PortSerie(reglages);
        courant = QStringLiteral("COM%1").arg(port ? port : 1);
    }
    // A stored setting the list does not offer stays selectable, so that OK
    // keeps it rather than writing whatever the list happens to show.
    if (ports->findText(courant) < 0)
        ports->addItem(courant);
    ports->setCurrentIndex(ports->findText(courant));
}

int TConfigurer::Execute() { return exec() == QDialog::Accepted ? cc::RESULTAT_OK : cc::RESULTAT_ANNULE; }

void TConfigurer::Ok()
{
    const QString texte = ports->currentText();
    Reglages reglages; // read again: other settings may have changed meanwhile
    if (code == 6) {
        bool lu = false;
        const unsigned adresse = texte.mid(1).toUInt(&lu, 16);
        if (!texte.startsWith(QLatin1Char('$')) || !lu || adresse == 0 || adresse > 0xFFFF)
            return;
        portscarte::EcritAdresseParallele(reglages, static_cast<unsigned short>(adresse));
    } else {
        if (texte.size() < 4 || !texte.at(3).isDigit())
            return;
        portscarte::EcritPortSerie(reglages, texte.at(3).digitValue());
    }
    std::string erreur;
    if (!reglages.Sauve(&erreur)) {
        AvisCible::Montre(this, QStringLiteral("erreur"),
                          QStringLiteral("Le port n'a pas été enregistré dans les réglages : ")
                              + QString::fromStdString(erreur));
        return;
    }
    accept();
}
