#pragma once

#include <QtGlobal>

// The library is built with hidden visibility; only classes marked with this macro are
// visible to programs that link it.
#if defined(TAMREXLISTCTRL_BUILDING)
#define TAMREXLISTCTRL_EXPORT Q_DECL_EXPORT
#else
#define TAMREXLISTCTRL_EXPORT Q_DECL_IMPORT
#endif
