// The four tools the launcher offers.
#pragma once

class frmMDI;

// Hands the launcher the windows of every tool, as the program and its benchmark start it.
void registerTools(frmMDI &mdi);
