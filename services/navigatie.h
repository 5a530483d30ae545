#pragma once

#include "services/cls_subcpt_ui.h"

// The round cycle, one step at a time: four steps make a round, and between two user actions
// the game rests at step 1. Stepping forward computes the shares on entering step 4 and opens
// the next round's board on entering step 1; stepping back undoes the same in reverse. The
// facade takes these steps and redraws after each; nothing here touches a window.

// Whether the game can move on: never from the last round the 16-bit round can count, for a
// press from its step 1 could not finish the round.
bool kan_vooruit(const cls_status& status);
// Whether the game can move back: never from step 1 of round 1, which has no round before it.
bool kan_achteruit(const cls_status& status);

// Each refuses, before anything changes, where kan_vooruit or kan_achteruit says no: with
// std::overflow_error forward and std::out_of_range back.
void stap_vooruit(cls_subcpt_ui& subcpt_ui, cls_status& status);
void stap_achteruit(cls_subcpt_ui& subcpt_ui, cls_status& status);
