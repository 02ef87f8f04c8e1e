#pragma once

namespace zorbla {

class ActivityWindow;

// The way back from an activity window to the main window: unload the activity, enable
// the main window, play "sounds\izlaz.wav" with govor_brojke and show the main window.
void povratak_na_glavni(ActivityWindow* activity);

}  // namespace zorbla
