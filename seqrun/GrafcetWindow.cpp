#include "GrafcetWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "ListeVariables.h"
#include "doc/TGrafDoc.h"
#include "platform/Cp1252.h"

GrafcetWindow::GrafcetWindow(QWidget* parent, TGrafDoc* doc, short c, QWidget*, QWidget*)
    : QWidget(parent, Qt::Window), document(doc), carte(c)
{
    setObjectName(QStringLiteral("GrafcetWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    vue = new VueGrafcet(document);

    programme = new QPlainTextEdit;
    programme->setObjectName(QStringLiteral("programme"));
    programme->setReadOnly(true);
    programme->setLineWrapMode(QPlainTextEdit::NoWrap);
    programme->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    variables = new ListeVariables;

    auto* droite = new QSplitter(Qt::Vertical);
    auto* blocProgramme = new QGroupBox(QStringLiteral("Programme"));
    (new QVBoxLayout(blocProgramme))->addWidget(programme);
    auto* blocVariables = new QGroupBox(QStringLiteral("Variables"));
    (new QVBoxLayout(blocVariables))->addWidget(variables);
    droite->addWidget(blocProgramme);
    droite->addWidget(blocVariables);

    auto* centre = new QSplitter(Qt::Horizontal);
    centre->addWidget(vue);
    centre->addWidget(droite);
    centre->setStretchFactor(0, 3);
    centre->setStretchFactor(1, 2);

    panneau = new QGroupBox(QStringLiteral("Exécution"));
    panneau->setObjectName(QStringLiteral("panneauExecution"));
    etat = new QLabel;
    etat->setObjectName(QStringLiteral("etatProgramme"));
    etat->setWordWrap(true);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    fermer->setObjectName(QStringLiteral("fermer"));
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    auto* lignePanneau = new QHBoxLayout(panneau);
    lignePanneau->addWidget(etat, 1);
    lignePanneau->addWidget(fermer);

    auto* l = new QVBoxLayout(this);
    l->addWidget(centre, 1);
    l->addWidget(panneau);

    const QString nom =
        document ? QFile::decodeName(QByteArray::fromStdString(document->GetTitle())) : QString();
    setWindowTitle(Titre(carte, nom));
    resize(960, 640);
    Recharge();
}

GrafcetWindow::~GrafcetWindow() { SignaleFermeture(); }

QString GrafcetWindow::Titre(short c, const QString& doc)
{
    QString t = c == 0 ? QStringLiteral("Simulation") : QStringLiteral("Exécution - carte %1").arg(c);
    if (!doc.isEmpty())
        t += QStringLiteral(" - ") + doc;
    return t;
}

void GrafcetWindow::SetSurface(VueGrafcet::FabriqueSurface fabrique) { vue->SetSurface(std::move(fabrique)); }

void GrafcetWindow::Recharge()
{
    const std::string texte = document ? document->LGraf() : std::string();
    programme->setPlainText(QString::fromStdString(Cp1252VersUtf8(texte)));
    variables->Remplit(document ? document->LVariab() : nullptr);
    vue->Rafraichit();
    // The run commands are offered only for a freshly generated diagram; the
    // window still says so when it is opened otherwise.
    if (!document || texte.empty())
        etat->setText(QStringLiteral("Aucun programme : lancez d'abord la génération du grafcet."));
    else if (!document->IsGenerer())
        etat->setText(QStringLiteral("Le programme n'est pas à jour ou contient des erreurs : "
                                     "relancez la génération."));
    else
        etat->setText(QStringLiteral("Programme généré ; variables utilisées : %1. "
                                     "Le moteur d'exécution n'est pas encore disponible.")
                          .arg(variables->NbVariables()));
}

void GrafcetWindow::closeEvent(QCloseEvent* e)
{
    e->accept();
    SignaleFermeture();
}

void GrafcetWindow::SignaleFermeture()
{
    if (fermee)
        return;
    fermee = true;
    emit Fermee();
}
