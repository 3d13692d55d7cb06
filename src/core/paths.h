// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quilora::core {

// Where the game finds its content (pictures, sounds, help texts), where it keeps the files it
// writes (records, settings, the link shortcut) and the player's own picture sets. They stay the
// same for the whole run.
struct Folders {
    QString programFolder;
    QString dataFolder;
    QString userSetsFolder; // imgN here take the place of the shipped sets; none when empty
};

// Joins the program folder and a relative name written with backslashes ("\img3\",
// "\sounds\click1.wav"), using this platform's separator.
QString programPath(const QString& programFolder, const QString& relativeName);

// True when a regular file of exactly this name exists, a link followed to one (a folder, a FIFO
// or a device of that name does not count).
bool fileExists(const QString& path);

// The folder that holds the game's pictures, sounds and texts: the executable's own folder for
// a copy that runs where it was unpacked or built, or the shared data folder of an installation:
// ../share/games/quilora beside a games folder, ../share/quilora beside any other.
QString contentFolder(const QString& executableFolder);

// The folder of picture set `set`, ending in a separator: the player's own imgN in
// `userSetsFolder` when it holds a set (at least its 0.gif), else the shipped one.
QString pictureSetFolder(const QString& programFolder, const QString& userSetsFolder, int set);

// Where the game keeps the files it writes: the program folder while files can be created
// there, as in a copied or built game; otherwise (an installed copy) the given per-user folder,
// which is created when missing.
QString dataFolder(const QString& programFolder, const QString& userFolder);

} // namespace quilora::core
