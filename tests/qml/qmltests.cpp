#include <QtQuickTest>

// Runs every tst_*.qml of this folder.
QUICK_TEST_MAIN(valtrixqml)
