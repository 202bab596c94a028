#pragma once

#include <QString>

// The program's title: the composer window's caption and the error report's.
inline QString applicationTitle() { return QStringLiteral("Quillmark 1.0"); }
