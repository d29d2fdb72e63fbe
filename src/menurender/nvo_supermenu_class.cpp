#include "menurender/nvo_supermenu_class.h"

int nvo_supermenu_class::of_drawitem(unsigned long &, long &) { return 0; }

int nvo_supermenu_class::of_measureitem(unsigned long &, long &) { return 0; }
