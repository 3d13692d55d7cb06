// The texts beside the program that a player or a translator may edit, and the name typed for
// a record: a picture set's setname.txt, the help texts and the player's name, separated in
// the input by NUL bytes. The set name and the player's name end up in record.txt, which must
// stay well formed and give them back.
#include "core/text_file.h"
#include "fuzz_check.h"
#include "records/records_file.h"
#include "support/game.h"

using namespace quilora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = fuzz::bytesOf(data, size).split('\0');
    const QDir folder = fuzz::workFolder();
    folder.mkpath(QStringLiteral("img0"));
    fuzz::writeFile(folder.filePath(QStringLiteral("img0/setname.txt")), parts.value(0));
    fuzz::writeFile(folder.filePath(QStringLiteral("help.txt")), parts.value(1));
    fuzz::writeFile(folder.filePath(QStringLiteral("help-e.txt")), parts.value(1));
    fuzz::writeFile(folder.filePath(QStringLiteral("record.txt")),
                    "999~Unknown~Test~6~05.11.2026~^\r\n");
    const QString name = QString::fromUtf8(parts.value(2));

    testing::Game game(12, false, false);
    game.program.folders = {folder.path(), folder.path(), {}};
    game.start();
    game::Form1& form = game.form();
    const settings::Form2& dialog = game.options();
    const records::Records& book = game.records();

    for (const int language : {0, 1}) {
        form.lblLOC_Click(language);
        const QString caption = dialog.pictureSetCaption(0);
        FUZZ_CHECK(!caption.contains(QLatin1Char('\n')) && !caption.contains(QLatin1Char('\r')));
        form.cmdTOP_Click(2);
        FUZZ_CHECK(book.txtHELP().visible);
        form.cmdTOP_Click(2);
    }

    game.win(12);
    FUZZ_CHECK(book.recordCanBeStored());
    form.txtRec_Change(name);
    const QString typed = book.Frame2().txtRec;
    form.cmdEND_Click(2);
    FUZZ_CHECK(game.platform.messages.shown.isEmpty());

    // The old record and the new one, one mark, and the name and set as shown.
    const std::optional<QStringList> lines =
        core::readLines(folder.filePath(QStringLiteral("record.txt")));
    FUZZ_CHECK(lines);
    const QList<records::Record> stored = records::readRecords(*lines);
    FUZZ_CHECK(lines->size() == 2 && stored.size() == 2 && stored[0].marked && !stored[1].marked);
    const QString storedName = typed.isEmpty()
                                   ? QStringLiteral("Unknown")
                                   : QString(typed).replace(QLatin1Char('~'), QLatin1Char('-'));
    FUZZ_CHECK(stored[1].fields[1] == storedName);
    QString set = dialog.pictureSetCaption(0);
    FUZZ_CHECK(stored[1].fields[2] == set.replace(QLatin1Char('~'), QLatin1Char('-')));
    return 0;
}
