#pragma once

#include "runtime/windows.h"

// The start screen's handlers.
namespace bw::app {

// Opens a fresh match; the start screen is hidden only once the match screen is up.
void cmdBailwood2_Click(rt::Windows& windows);
// File, Play Bailwood 2 does what the button of the same caption does.
void mnuPBailwood2_Click(rt::Windows& windows);
void mnuPExit_Click(rt::Windows& windows);
void mnuExit_Click(rt::Windows& windows);
// Closing the start screen ends the program: no other window is loaded while it shows.
void frmMain_Closed(rt::Windows& windows);

}  // namespace bw::app
