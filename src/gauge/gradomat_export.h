#pragma once

#include <QtCore/qglobal.h>

#if defined(GRADOMAT_LIBRARY)
#define GRADOMAT_EXPORT Q_DECL_EXPORT
#else
#define GRADOMAT_EXPORT Q_DECL_IMPORT
#endif
