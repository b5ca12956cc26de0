// SPDX-License-Identifier: MIT
#pragma once

// Checks a call that gives either a value or a run-time error.

#include <QTest>

#include "runtime/errors.h"

namespace kelvarin::testing {

// Runs call and compares its value with expected; with error not 0 the call must instead raise
// that run-time error.
template <class Call, class T>
void expectOutcome(Call&& call, const T& expected, int error = 0) {
    try {
        const auto got = call();
        QVERIFY2(error == 0, qPrintable(QStringLiteral("expected error %1").arg(error)));
        QCOMPARE(got, expected);
    } catch (const workOutError& e) {
        QVERIFY2(error != 0, e.what());
        QCOMPARE(e.number(), error);
    }
}

// As expectOutcome for a text, where an expected "!n" stands for error n.
template <class Call>
void expectText(Call&& call, const QString& expected) {
    const bool error = expected.startsWith(u'!');
    expectOutcome(std::forward<Call>(call), expected, error ? expected.mid(1).toInt() : 0);
}

}  // namespace kelvarin::testing
