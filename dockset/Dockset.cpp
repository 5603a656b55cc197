// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dockset.h"

extern "C" __attribute__((visibility("default"))) int ConduitInstall()
{
    // No handheld host is known on this machine yet, so there is nothing to register.
    return 0;
}
