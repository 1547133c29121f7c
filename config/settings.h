#pragma once

#include "config/cfg_int.h"

// Whether a playlist's summary shows the item count before the playing time.
extern cfg_int_t<bool> cfg_show_total_items;
