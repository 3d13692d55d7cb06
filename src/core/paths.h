#pragma once

#include <QString>

namespace quilora::core {

// Joins the program folder and a relative name written with backslashes ("\img3\",
// "\sounds\click1.wav"), using this platform's separator.
QString programPath(const QString& programFolder, const QString& relativeName);

// True when a regular file of exactly this name exists (a folder of that name does not count).
bool fileExists(const QString& path);

// The folder that holds the game's pictures, sounds and texts: the executable's own folder for
// a copy that runs where it was unpacked or built, or the shared data folder of an installation:
// ../share/games/quilora beside a games folder, ../share/quilora beside any other.
QString contentFolder(const QString& executableFolder);

// Where the game keeps the files it writes: the program folder while files can be created
// there, as in a copied or built game; otherwise (an installed copy) the given per-user folder,
// which is created when missing.
QString dataFolder(const QString& programFolder, const QString& userFolder);

} // namespace quilora::core
