#pragma once

#include <QString>

// Helpers shared by every test suite.
namespace TestSupport {

// Names the application as the program does and sends settings and data folders to
// test locations of this process, so that no suite touches a user's own preferences or
// another suite's.
void initApplication();

// Path of a file below tests/data.
QString dataPath(const QString &relative);

} // namespace TestSupport
