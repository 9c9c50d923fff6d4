#include "random.h"

namespace quenza {

int drawBelow(Random& random, int n) {
    return wholeBelow(random.draw(), n);
}

} // namespace quenza
