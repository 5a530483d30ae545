#pragma once

#include "services/cls_subcpt_ui.h"

// The round cycle, one step at a time: four steps make a round, and between two user actions
// the game rests at step 1. Stepping forward computes the shares on entering step 4 and opens
// the next round's board on entering step 1; stepping back undoes the same in reverse. The
// facade takes these steps and redraws after each; nothing here touches a window.
void stap_vooruit(cls_subcpt_ui& subcpt_ui, cls_status& status);
void stap_achteruit(cls_subcpt_ui& subcpt_ui, cls_status& status);
