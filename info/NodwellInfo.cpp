// The information program's application object.
#include "CNodwellInfoApp.h"

CNodwellInfoApp theApp;
