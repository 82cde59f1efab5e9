// Entry of every test executable: isolates the user's folders before anything reads them.
#include "support/isolation.h"

#include <gtest/gtest.h>

#ifdef KELVANE_TEST_GUI
#include "platform/engine/enginesetup.h"
#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv) {
    kelvane::test::IsolatedHome home;
    // No test fetches block lists from the internet; one that wants a list names its own.
    qputenv("KELVANE_BLOCKLIST_SUBSCRIPTIONS", "");
    ::testing::InitGoogleTest(&argc, argv);
#ifdef KELVANE_TEST_GUI
    kelvane::prepareEngineEnvironment(/*quiet=*/true);
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
