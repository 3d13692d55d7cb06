// SPDX-License-Identifier: GPL-3.0-or-later
// Regenerates every picture, background, sound, icon and help text the game ships.
// Usage: contentgen <repository root>

#include "backgrounds.h"
#include "cards.h"
#include "icons.h"
#include "synth.h"
#include "texts.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    try {
        if (!root.mkpath("data"))
            throw std::runtime_error("cannot create data/");
        const QDir data(root.filePath("data"));
        contentgen::writePictureSets(data);
        contentgen::writeBackgrounds(data);
        contentgen::writeSounds(data);
        contentgen::writeHelpTexts(QDir(root.filePath("tools/contentgen/text")), data);
        contentgen::writeIcons(QDir(root.filePath("src/ui/icons")),
                               QDir(root.filePath("dist/icons")));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contentgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
