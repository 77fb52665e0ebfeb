#include "veldraMDIClient.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>

QStringList CheminsDeposes(const QMimeData* donnees)
{
    QStringList chemins;
    if (!donnees)
        return chemins;
    for (const QUrl& url : donnees->urls()) {
        if (url.isLocalFile())
            chemins << url.toLocalFile();
    }
    return chemins;
}

veldraMDIClient::veldraMDIClient(QWidget* parent) : QMdiArea(parent)
{
    setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool veldraMDIClient::Execute(int id)
{
    switch (id) {
    case cmd::CASCADE:
        cascadeSubWindows();
        return true;
    case cmd::MOSAIQUE:
        tileSubWindows();
        return true;
    case cmd::TOUT_FERMER:
        closeAllSubWindows();
        return true;
    default:
        return false;
    }
}

bool veldraMDIClient::Etat(int id, EtatCommande& etat)
{
    switch (id) {
    case cmd::CASCADE:
    case cmd::MOSAIQUE:
    case cmd::TOUT_FERMER:
        etat.actif = !subWindowList().isEmpty();
        return true;
    default:
        return false;
    }
}

void veldraMDIClient::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void veldraMDIClient::dropEvent(QDropEvent* e)
{
    const QStringList chemins = CheminsDeposes(e->mimeData());
    if (chemins.isEmpty())
        return;
    e->acceptProposedAction();
    emit FichiersDeposes(chemins);
}
