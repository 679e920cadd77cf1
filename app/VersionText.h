#pragma once

#include <QString>

// The build stamp shown on both panels of the main window.
inline const QString kVersionText = QStringLiteral("wVelora v. 2026.07.24 15:30");
