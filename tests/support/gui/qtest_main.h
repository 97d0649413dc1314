#pragma once

#include <QApplication>
#include <QtTest>
#include <cstdlib>

// Runs a Qt Test class on the offscreen platform unless another is asked for.
#define TUNELOT_QTEST_MAIN(TestClass)                     \
  int main(int argc, char** argv) {                       \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
      qputenv("QT_QPA_PLATFORM", "offscreen");            \
    }                                                     \
    QApplication application(argc, argv);                 \
    TestClass test;                                       \
    return QTest::qExec(&test, argc, argv);               \
  }
