// Built once per layer by the layer tests, with LAYER_HEADER naming a header of another folder:
// it compiles only when that folder is one the layer may use.
#include LAYER_HEADER
