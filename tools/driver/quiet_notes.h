#pragma once

namespace quenza::driver {

// The offscreen platform says so each time a window asks for what it cannot
// do (raise, grab the keyboard), and a headless machine has no runtime
// folder; neither is news worth a line. Every other message goes on as before.
void quietenOffscreenNotes();

} // namespace quenza::driver
