#include "impression/PreviewWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "Commandes.h"
#include "Icones.h"
#include "impression/APXPrintOut.h"
#include "impression/TextesImpression.h"

PreviewWindow::PreviewWindow(QPrinter& imprimante, APXPrintOut& printout, QWidget* parent)
    : QDialog(parent), printout(printout)
{
    setWindowTitle(textes::impression::APERCU);
    setModal(true);

    auto* barre = new QFrame(this);
    barre->setFrameShape(QFrame::StyledPanel);
    QFont policeBarre = font();
    policeBarre.setPointSize(10);
    barre->setFont(policeBarre);
    auto* rangee = new QHBoxLayout(barre);
    rangee->setContentsMargins(4, 2, 4, 2);
    rangee->setSpacing(0);

    const auto bouton = [barre](const char* nom, const QString& indication) {
        auto* b = new QToolButton(barre);
        b->setObjectName(nom);
        b->setToolTip(indication);
        b->setAutoRaise(true);
        return b;
    };
    precedente = bouton(PRECEDENTE, QStringLiteral("Page précédente"));
    precedente->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    suivante = bouton(SUIVANTE, QStringLiteral("Page suivante"));
    suivante->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    textePage = new QLabel(barre);
    textePage->setObjectName(TEXTE_PAGE);
    textePage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    textePage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textePage->setFixedWidth(textePage->fontMetrics().averageCharWidth() * 10 + 2 * textePage->frameWidth() + 4);
    QToolButton* imprimer = bouton(IMPRIMER, QStringLiteral("Imprimer"));
    imprimer->setIcon(IconeCommande(cmd::IMPRIMER));
    QToolButton* fermer = bouton(FERMER, QString());
    fermer->setText(QStringLiteral("Fermer"));

    rangee->addWidget(precedente);
    rangee->addWidget(suivante);
    rangee->addSpacing(12);
    rangee->addWidget(textePage);
    rangee->addSpacing(20);
    rangee->addWidget(imprimer);
    rangee->addSpacing(20);
    rangee->addWidget(fermer);
    rangee->addStretch(1);

    apercu = new QPrintPreviewWidget(&imprimante, this);
    apercu->setViewMode(QPrintPreviewWidget::SinglePageView);
    apercu->setZoomMode(QPrintPreviewWidget::FitInView);
    apercu->setBackgroundRole(QPalette::Dark);
    connect(apercu, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { this->printout.Imprime(*p); });
    connect(apercu, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::MetAJour);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    colonne->addWidget(barre);
    colonne->addWidget(apercu, 1);

    connect(precedente, &QToolButton::clicked, this, &PreviewWindow::Precedente);
    connect(suivante, &QToolButton::clicked, this, &PreviewWindow::Suivante);
    connect(imprimer, &QToolButton::clicked, this, [this] {
        if (imprimeFenetre)
            imprimeFenetre();
    });
    connect(fermer, &QToolButton::clicked, this, &QDialog::reject);

    if (parent)
        resize(parent->window()->size() * 9 / 10);
    else
        resize(700, 850);
    MetAJour();
}

int PreviewWindow::PageCourante() const { return apercu->currentPage(); }

int PreviewWindow::NombrePages() const { return apercu->pageCount(); }

void PreviewWindow::Actualise() { apercu->updatePreview(); }

void PreviewWindow::Precedente()
{
    if (PageCourante() > 1)
        apercu->setCurrentPage(PageCourante() - 1);
    MetAJour();
}

void PreviewWindow::Suivante()
{
    if (PageCourante() < NombrePages())
        apercu->setCurrentPage(PageCourante() + 1);
    MetAJour();
}

void PreviewWindow::MetAJour()
{
    const int page = std::max(1, PageCourante());
    precedente->setEnabled(page > 1);
    suivante->setEnabled(page < NombrePages());
    textePage->setText(QStringLiteral("Page %1").arg(page));
}
