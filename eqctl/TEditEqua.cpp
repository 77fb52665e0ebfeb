#include "TEditEqua.h"

#include "PoliceSymboles.h"

#include <QFont>

#include <limits>

namespace {

// The longest text that can be typed under a limit of at least 1.
int LongueurMaximale(unsigned int limite)
{
    const unsigned int longueur = limite - 1;
    return longueur > static_cast<unsigned int>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(longueur);
}

} // namespace

TEditEqua::TEditEqua(QWidget* parent, int identifiant, unsigned int limite)
    : QLineEdit(parent), identifiant(identifiant)
{
    if (limite != 0)
        setMaxLength(LongueurMaximale(limite));
    EnregistrePoliceSymboles();   // warns once itself when the font is missing
    SetupWindow();
}

TEditEqua::~TEditEqua() = default;

void TEditEqua::SetupWindow()
{
    // Only the attributes set here override what the control inherits.
    QFont police;
    police.setFamilies({QStringLiteral("VELDRA")});
    police.setWeight(QFont::Normal);
    police.setItalic(false);
    police.setUnderline(false);
    police.setStrikeOut(false);
    setFont(police);
}
