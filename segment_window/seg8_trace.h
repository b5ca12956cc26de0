// SPDX-License-Identifier: MIT
#pragma once

// The main window's logging category, shared by its source files.

#include <QLoggingCategory>

namespace kelvarin {

Q_DECLARE_LOGGING_CATEGORY(lcSeg8)

}  // namespace kelvarin
