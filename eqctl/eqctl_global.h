#pragma once

#include <QtCore/qglobal.h>

// What the shared library eqctl exports; everything else stays hidden.
#if defined(EQCTL_CONSTRUCTION)
#  define EQCTL_EXPORT Q_DECL_EXPORT
#else
#  define EQCTL_EXPORT Q_DECL_IMPORT
#endif
