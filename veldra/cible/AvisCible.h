#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// The message boxes of the target dialogs go through one replaceable hook
// so that tests can run the dialogs without a user: they replace `Affiche`
// and restore it afterwards.
struct AvisCible {
    using Fonction = std::function<void(QWidget* parent, const QString& titre,
                                        const QString& texte, QMessageBox::Icon icone)>;
    static Fonction Affiche;

    static void Montre(QWidget* parent, const QString& titre, const QString& texte,
                       QMessageBox::Icon icone = QMessageBox::Warning);
};
