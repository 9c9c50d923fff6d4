#pragma once

#include <string>

namespace quenza {

// The game clock lives in the texts of its two labels. A value below 10 gets a
// "0" in front of its text, so -1 becomes "0-1": the count-down's sign to
// borrow a minute.
std::string withLeadingZero(long value);

// One second forward.
void countUp(std::string& minuto, std::string& segundo);

enum class CountDown { Running, FiveSecondsLeft, TimeUp };
// One second back.
CountDown countDown(std::string& minuto, std::string& segundo);

// The clock texts for a number of seconds, as a level start shows them.
void showSeconds(int seconds, std::string& minuto, std::string& segundo);

} // namespace quenza
