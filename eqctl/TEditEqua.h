#pragma once

#include "eqctl_global.h"

#include <QLineEdit>

// The equation edit control: a line edit that shows its text in the symbol
// font (face "VELDRA"), where the equation codes appear as an up arrow
// (U+2191), a down arrow (U+2193) and an overbar (U+203E). Its text is a
// QString in that display form; the owner converts to and from the product's
// bytes. The control adds no keyboard handling: characters reach it as typed
// or as inserted by the owner.
class EQCTL_EXPORT TEditEqua : public QLineEdit
{
    Q_OBJECT

public:
    // At most limite - 1 characters can be typed; limite 0 sets no limit of
    // its own (QLineEdit's). Registers the symbol font (once per process)
    // and calls SetupWindow. Without the font the control still works and
    // the system substitutes a face.
    //
    // Beware: like any QLineEdit, setText() cuts a longer text to the limit;
    // the owner checks the length of what it puts in.
    TEditEqua(QWidget* parent, int identifiant, unsigned int limite);
    ~TEditEqua() override;

    // The identifier given at construction (the owner's name for the field).
    int Identifiant() const { return identifiant; }

    // Sets the face "VELDRA", normal weight, no italic, underline or
    // strike-out on the control; the size stays the one the control
    // inherits. Called by the constructor; calling it again is harmless.
    void SetupWindow();

private:
    int identifiant;
};
