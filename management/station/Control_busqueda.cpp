#include "station/Control_busqueda.h"

std::int16_t Control_busqueda = 0;
