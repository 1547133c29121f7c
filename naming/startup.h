#pragma once

#include "host/initquit.h"

// Brings every playlist's name into shape when the host starts.
class foo_initquit : public initquit {
public:
    void on_init() override;
    void on_quit() override;
};
