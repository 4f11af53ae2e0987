// Resource ids of Vozmara.exe, shared by the resource script and the code.
#pragma once

#define IDI_VOZMARA 1      // program icon
#define IDI_TRAY_IDLE 2    // tray: control stopped, paused or never started
#define IDI_TRAY_ACTIVE 3  // tray: control running
#define IDR_SKIN 10        // built-in skin picture, JPEG 450 x 250 (RCDATA)
