// SPDX-License-Identifier: GPL-3.0-or-later
// Times a whole main-window load with its deal, for both kinds of picture set, against a plain
// shuffle of 24 cards in the same run, and counts the random draws a deal takes.
//
//   build/<variant>/bench/deal_bench [repetitions]

#include "game/form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

using namespace quilora;

namespace {

class CountingRandom final : public platform::RandomSource {
public:
    void seedFromClock() override {}
    float next() override {
        ++draws;
        return static_cast<float>(engine() >> 8) * 0x1p-24f;
    }
    std::mt19937 engine{12345};
    long long draws = 0;
};

class NoLocale final : public platform::LocaleInfo {
public:
    QDate today() const override { return {}; }
    QLocale locale() const override { return QLocale::c(); }
};
class NoSound final : public platform::SoundPlayer {
public:
    void preload(const QStringList&) override {}
    void play(const QString&) override {}
};
class NoMessages final : public platform::MessageBox {
public:
    void information(const QString&) override {}
};
class StillClock final : public platform::MonotonicClock {
public:
    qint64 milliseconds() const override { return 0; }
};
class NoLinks final : public platform::LinkOpener {
public:
    bool openShortcut(const QString&) override { return false; }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> std::vector<double> timeEach(int repetitions, F&& run) {
    std::vector<double> nanoseconds;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        nanoseconds.push_back(
            std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return nanoseconds;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2001;

    QTemporaryDir dir;
    QDir(dir.path()).mkpath("img0");
    QDir(dir.path()).mkpath("img1");
    QFile thirteen(dir.filePath("img1/13.gif"));
    if (!thirteen.open(QIODevice::WriteOnly))
        return 1;
    thirteen.close();

    CountingRandom random;
    NoLocale locale;
    NoSound sound;
    NoMessages messages;
    StillClock clock;
    NoLinks links;
    const core::Folders folders{dir.path(), dir.path(), {}};
    game::ProgramGame programGame;
    language::ProgramLanguage programLanguage;

    std::mt19937 shuffleEngine(12345);
    std::array<int, 24> cards{};
    std::iota(cards.begin(), cards.end(), 0);
    const double baseline = median(
        timeEach(repetitions, [&] { std::shuffle(cards.begin(), cards.end(), shuffleEngine); }));
    std::printf("%-22s %12s %8s %14s\n", "case", "median ns", "ratio", "draws per deal");
    std::printf("%-22s %12.0f %8.2f %14s\n", "shuffle (baseline)", baseline, 1.0, "-");

    for (int set : {0, 1}) {
        // Only the deal is timed: the options name the set, the records are never asked.
        struct Fixed final : game::OptionsDialog {
            explicit Fixed(int s) : set(s) {}
            void ChooseIni() override {}
            void SetColor() override {}
            int selectedPictureSet() const override { return set; }
            int chkS() const override { return 0; }
            void setChkS(int) override {}
            void SetSound() override {}
            QString SoundFile(int) const override { return {}; }
            void aboutToShow() override {}
            int set;
        } options(set);
        struct NoRecords final : game::RecordKeeper {
            void gameWon(const QString&) override {}
            bool victoryPanelShown() const override { return false; }
            void hideVictoryPanel() override {}
            bool recordCanBeStored() const override { return false; }
            void storeRecord() override {}
            void optKartinka_Click(int) override {}
            void txtRec_Change(const QString&) override {}
            void showOrHideRecords() override {}
            void showOrHideHelp() override {}
            void lvRecord_ColumnClick(int) override {}
        } records;
        language::Captions captions(programLanguage);
        random.draws = 0;
        const double load = median(timeEach(repetitions, [&] {
            game::Form1 form(programGame, folders, {random, locale, sound, messages, clock, links},
                             captions);
            form.attach(options, records);
            form.Form_Load();
        }));
        std::printf("%-22s %12.0f %8.2f %14.1f\n",
                    set == 0 ? "load, 12-picture set" : "load, 24-picture set", load,
                    load / baseline, static_cast<double>(random.draws) / repetitions);
    }
    return 0;
}
