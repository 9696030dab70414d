/* The interface header is C: it compiles as C, with its layout checks. */
#include "filters/sdk/PIFilter.h"
#include "filters/sdk/PIHandles.h"
int pi_interface_header_compiles_as_c(void) { return (int)sizeof(FilterRecord); }
