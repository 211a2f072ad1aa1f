#include "sapi/sapi.h"
