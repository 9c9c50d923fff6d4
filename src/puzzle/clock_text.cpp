#include "clock_text.h"

#include "text.h"

namespace quenza {

namespace {
constexpr long kLeadingZeroBelow = 10;
}

std::string withLeadingZero(long value) {
    std::string text = std::to_string(value);
    return value < kLeadingZeroBelow ? "0" + text : text;
}

void countUp(std::string& minuto, std::string& segundo) {
    segundo = withLeadingZero(saturate16(leadingNumber(segundo) + 1));
    if (segundo == "60") {
        segundo = "00";
        minuto = withLeadingZero(saturate16(leadingNumber(minuto) + 1));
    }
}

CountDown countDown(std::string& minuto, std::string& segundo) {
    segundo = withLeadingZero(saturate16(leadingNumber(segundo) - 1));
    if (segundo == "0-1") {
        segundo = "59";
        minuto = withLeadingZero(saturate16(leadingNumber(minuto) - 1));
    }
    if (segundo == "05" && minuto == "00") {
        return CountDown::FiveSecondsLeft;
    }
    if (segundo == "00" && minuto == "00") {
        return CountDown::TimeUp;
    }
    return CountDown::Running;
}

void showSeconds(int seconds, std::string& minuto, std::string& segundo) {
    minuto = withLeadingZero(seconds / 60);
    segundo = withLeadingZero(seconds % 60);
}

} // namespace quenza
