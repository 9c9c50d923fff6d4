#include "random.h"

namespace quenza {

int drawBelow(Random& random, int n) {
    const int value = static_cast<int>(random.draw() * n);
    // Guards against a draw of exactly 1.0 from a careless generator.
    return value < n ? value : n - 1;
}

} // namespace quenza
