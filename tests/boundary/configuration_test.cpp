#include "tests/support/loaded_component.h"
