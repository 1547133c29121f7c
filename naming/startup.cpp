#include "naming/startup.h"

void foo_initquit::on_init() {}

// The summaries stay in the names when the host stops.
void foo_initquit::on_quit() {}
