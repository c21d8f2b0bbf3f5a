#pragma once

#include "runtime/windows.h"

// The play-again dialog's handlers.
namespace bw::app {

// Throws the finished match away and starts a new one at once.
void cmdYes_Click(rt::Windows& windows);
// Throws the finished match away and returns to the start screen.
void cmdNo_Click(rt::Windows& windows);
// The close button unloads only the dialog; the finished match stays on screen.
void frmPlayAgain_Closed(rt::Windows& windows);

}  // namespace bw::app
