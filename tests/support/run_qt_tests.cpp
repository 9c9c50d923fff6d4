#include "qt_test_registry.h"

#include <QApplication>
#include <QTest>

// What QTEST_MAIN does, for every registered class; fails if any failed.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    int failed = 0;
    for (const auto& make : quenza::testing::registeredQtTests()) {
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failed == 0 ? 0 : 1;
}
