#pragma once

namespace quenza {
class Form6;
// Creates the help window's controls and menu bar at their designed places.
void buildForm6(Form6& form);
} // namespace quenza
