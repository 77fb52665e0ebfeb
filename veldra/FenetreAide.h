#pragma once

#include <QDialog>

class QTextBrowser;

// The help window: the French help pages of the program, in place of the
// old help file.
class FenetreAide : public QDialog {
    Q_OBJECT
public:
    explicit FenetreAide(QWidget* parent = nullptr);
    // Shows the help window, reusing the one already open.
    static FenetreAide* Montre(QWidget* parent);
    QTextBrowser* Navigateur() const { return navigateur; }

private:
    QTextBrowser* navigateur;
};
