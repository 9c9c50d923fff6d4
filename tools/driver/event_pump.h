#pragma once

namespace quenza::driver {

// Delivers every pending event, deferred deletes included, until the program
// is idle. Virtual time does not pass.
void processUntilIdle();

} // namespace quenza::driver
