// The background agent's application object.
#include "CNodwellSrvApp.h"

CNodwellSrvApp theApp;
