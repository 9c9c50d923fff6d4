#pragma once

namespace quenza {
class Form1;
// Creates the main window's controls, timers and menus at their designed places.
void buildForm1(Form1& form);
} // namespace quenza
