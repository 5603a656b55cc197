// SPDX-License-Identifier: GPL-3.0-or-later
// The link library. Its shared block and exported operations arrive with the handheld
// link; the desktop program already links against it so that a missing library stops
// the program at load time, as it will once the link is in use.
#include "LinkHeader.h"

static_assert(Link::LM_CLOSE >= Link::FirstLinkMessage && Link::LM_CLOSE <= Link::LastLinkMessage,
              "LM_CLOSE lies in the link message range");
