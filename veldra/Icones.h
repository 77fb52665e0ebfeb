#pragma once

#include <QIcon>

// The pictures of the toolbar and palette buttons, drawn by the program in
// a 24-unit square so that they stay sharp at 100 % and 200 % scale.
QIcon IconeCommande(int id);
// The frame's icon, and the icons of the diagram and nomenclature windows.
QIcon IconeApplication();
QIcon IconeDiagramme();
QIcon IconeNomenclature();
