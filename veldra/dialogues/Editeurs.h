#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

// The edits of the element dialogs that convert the letters the user types
// (and pastes) to lower or upper case, and hold at most a given number of
// characters. Text the program puts in (the caller's value, the equation
// codes, the names picked in the name list) is taken as it is.

enum class Casse { Minuscules, Majuscules };

// Converts the letters of `texte`; every other character, the equation
// codes among them, is kept, and so is a letter whose converted form has no
// byte in the code page (the micro sign, for instance).
QString ConvertitCasse(const QString& texte, Casse casse);

// The multi-line edit of the receptivity dialog: lower case. Return and
// Enter do not break the line: they go to the dialog, whose default button
// is OK, and Tab moves to the next control.
class EditeurEquation : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditeurEquation(QWidget* parent);

    // The most characters typing and pasting may bring the text to.
    void FixeLimite(int n) { limite = n; }
    int Limite() const { return limite; }
    // Inserts `s` at the caret in place of the selection, as a whole or not
    // at all (a beep) when the limit leaves no room for it.
    bool Insere(const QString& s);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int Place() const;
    int limite = 255;
};

// A one-line edit with case conversion; its limit is the line edit's
// maxLength.
class EditeurLigne : public QLineEdit {
    Q_OBJECT
public:
    EditeurLigne(Casse casse, QWidget* parent);

    // Inserts `s` at the caret in place of the selection, as a whole or not
    // at all (a beep) when the limit leaves no room for it. A line edit
    // drops its selection when it loses the focus; the selection it had
    // then is the one replaced, since a button that inserts takes the focus
    // when it is clicked.
    bool Insere(const QString& s);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Colle(const QString& texte);
    Casse casse;
    int debutSelection = -1; // the selection when the focus left, if any
    int longueurSelection = 0;
};
