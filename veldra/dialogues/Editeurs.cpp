#include "dialogues/Editeurs.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <memory>

#include "ConversionTexte.h"

QString ConvertitCasse(const QString& texte, Casse casse)
{
    QString r = texte;
    for (auto& c : r) {
        if (!c.isLetter())
            continue;
        const QChar converti = casse == Casse::Minuscules ? c.toLower() : c.toUpper();
        if (converti != c && VersOctets(QString(converti)) != "?")
            c = converti;
    }
    return r;
}

namespace {

// The key event with its text converted, or null when nothing changes.
std::unique_ptr<QKeyEvent> Converti(QKeyEvent* e, Casse casse)
{
    const QString texte = e->text();
    const QString converti = ConvertitCasse(texte, casse);
    if (texte.isEmpty() || converti == texte)
        return nullptr;
    return std::make_unique<QKeyEvent>(e->type(), e->key(), e->modifiers(), e->nativeScanCode(),
                                       e->nativeVirtualKey(), e->nativeModifiers(), converti,
                                       e->isAutoRepeat(), e->count());
}

bool Imprimable(const QString& texte)
{
    return !texte.isEmpty() && texte.at(0).isPrint();
}

} // namespace

// ---- EditeurEquation ----

EditeurEquation::EditeurEquation(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

int EditeurEquation::Place() const
{
    const int longueur = toPlainText().size();
    const QTextCursor c = textCursor();
    return limite - (longueur - (c.selectionEnd() - c.selectionStart()));
}

bool EditeurEquation::Insere(const QString& s)
{
    if (s.size() > Place()) {
        QApplication::beep();
        return false;
    }
    QTextCursor c = textCursor();
    c.insertText(s);
    setTextCursor(c);
    return true;
}

void EditeurEquation::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        e->ignore(); // to the dialog's default button
        return;
    }
    const auto converti = Converti(e, Casse::Minuscules);
    QKeyEvent* k = converti ? converti.get() : e;
    if (Imprimable(k->text()) && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        && k->text().size() > Place()) {
        QApplication::beep();
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(k);
    e->setAccepted(k->isAccepted());
}

void EditeurEquation::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    QString texte = ConvertitCasse(source->text(), Casse::Minuscules);
    const int place = Place();
    if (texte.size() > place) {
        QApplication::beep();
        texte.truncate(place > 0 ? place : 0);
    }
    textCursor().insertText(texte);
    ensureCursorVisible();
}

// ---- EditeurLigne ----

EditeurLigne::EditeurLigne(Casse c, QWidget* parent) : QLineEdit(parent), casse(c)
{
    // Dropped text would escape the conversion; the edit takes typing and pasting.
    setAcceptDrops(false);
}

bool EditeurLigne::Insere(const QString& s)
{
    if (!hasFocus() && !hasSelectedText() && debutSelection >= 0
        && debutSelection + longueurSelection <= text().size())
        setSelection(debutSelection, longueurSelection);
    debutSelection = -1;
    const int place = maxLength() - (text().size() - selectedText().size());
    if (s.size() > place) {
        QApplication::beep();
        return false;
    }
    insert(s);
    return true;
}

void EditeurLigne::Colle(const QString& texte)
{
    if (!isReadOnly())
        insert(ConvertitCasse(texte, casse)); // the line edit cuts at its limit
}

void EditeurLigne::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste)) {
        Colle(QApplication::clipboard()->text());
        e->accept();
        return;
    }
    const auto converti = Converti(e, casse);
    if (!converti) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    QLineEdit::keyPressEvent(converti.get());
    e->setAccepted(converti->isAccepted());
}

void EditeurLigne::focusInEvent(QFocusEvent* e)
{
    debutSelection = -1;
    QLineEdit::focusInEvent(e);
}

void EditeurLigne::focusOutEvent(QFocusEvent* e)
{
    debutSelection = hasSelectedText() ? selectionStart() : -1;
    longueurSelection = selectedText().size();
    QLineEdit::focusOutEvent(e);
}

void EditeurLigne::contextMenuEvent(QContextMenuEvent* e)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (auto* coller = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(coller, &QAction::triggered, nullptr, nullptr);
        connect(coller, &QAction::triggered, this,
                [this] { Colle(QApplication::clipboard()->text()); });
    }
    menu->exec(e->globalPos());
}

void EditeurLigne::mouseReleaseEvent(QMouseEvent* e)
{
    QClipboard* pressePapiers = QApplication::clipboard();
    if (e->button() == Qt::MiddleButton && pressePapiers->supportsSelection()) {
        deselect();
        Colle(pressePapiers->text(QClipboard::Selection));
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}
