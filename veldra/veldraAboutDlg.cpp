#include "veldraAboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "Icones.h"

veldraAboutDlg::veldraAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de VELDRA"));
    auto* disposition = new QVBoxLayout(this);
    auto* icone = new QLabel(this);
    icone->setPixmap(IconeApplication().pixmap(48, 48));
    icone->setAlignment(Qt::AlignCenter);
    disposition->addWidget(icone);
    auto* version = new QLabel(QStringLiteral("VELDRA version ") + QStringLiteral(VELDRA_VERSION), this);
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignCenter);
    disposition->addWidget(version);
    auto* droits = new QLabel(QStringLiteral("Copyright © 2026 les auteurs de Veldra"), this);
    droits->setObjectName(QStringLiteral("copyright"));
    droits->setAlignment(Qt::AlignCenter);
    disposition->addWidget(droits);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    disposition->addWidget(boutons);
}
