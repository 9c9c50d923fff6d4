#pragma once

// Several QtTest classes in one executable: each file registers its class
// with QUENZA_QT_TEST instead of QTEST_MAIN, and run_qt_tests.cpp runs them
// all in one process, one after the other.

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace quenza::testing {

using QtTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<QtTestFactory>& registeredQtTests() {
    static std::vector<QtTestFactory> tests;
    return tests;
}

template <typename Test> bool registerQtTest() {
    registeredQtTests().push_back([] { return std::make_unique<Test>(); });
    return true;
}

} // namespace quenza::testing

#define QUENZA_QT_TEST(Test)                                                                       \
    [[maybe_unused]] static const bool registered##Test = ::quenza::testing::registerQtTest<Test>();
