#include "impression/Imprimable.h"

#include "vue/veldraWindowView.h"

void ImprimableVue::PeintPage(QPainter& p, int, const QRect&) { vue.Peint(p); }
