#pragma once

#include <QString>

namespace quilora::core {

// Joins the program folder and a relative name written with backslashes ("\img3\",
// "\sounds\click1.wav"), using this platform's separator.
QString programPath(const QString& programFolder, const QString& relativeName);

// True when a regular file of exactly this name exists (a folder of that name does not count).
bool fileExists(const QString& path);

} // namespace quilora::core
