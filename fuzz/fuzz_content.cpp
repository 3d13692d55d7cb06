// The text beside the program that a player or a translator may edit, and the name typed for
// a record: a picture set's setname.txt and the player's name, separated in the input by a NUL
// byte. Both end up in record.txt, which must stay well formed and give them back.
#include "core/text_file.h"
#include "fuzz_check.h"
#include "records/records_file.h"
#include "support/game.h"

#include <QRegularExpression>

using namespace quilora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = fuzz::bytesOf(data, size).split('\0');
    testing::Game game(12, false, false);
    game.writeFile("img0/setname.txt", parts.value(0));
    game.writeFile("record.txt", "999~Unknown~Test~6~05.11.2026~^\r\n");
    game.start();
    game::Form1& form = game.form();
    for (const int language : {0, 1}) {
        form.lblLOC_Click(language);
        FUZZ_CHECK(!game.options().pictureSetCaption(0).contains(QRegularExpression("[\r\n]")));
    }
    game.win(12);
    form.txtRec_Change(QString::fromUtf8(parts.value(1)));
    const QString typed = game.records().Frame2().txtRec;
    form.cmdEND_Click(2);
    FUZZ_CHECK(game.platform.messages.shown.isEmpty());

    // The old record and the new one, one mark, and the name and set as shown.
    const QStringList lines = core::readLines(game.path("record.txt")).value_or(QStringList());
    const QList<records::Record> stored = records::readRecords(lines);
    FUZZ_CHECK(lines.size() == 2 && stored.size() == 2 && stored[0].marked && !stored[1].marked);
    FUZZ_CHECK(stored[1].fields[1] ==
               (typed.isEmpty() ? "Unknown" : QString(typed).replace('~', '-')));
    FUZZ_CHECK(stored[1].fields[2] == game.options().pictureSetCaption(0).replace('~', '-'));
    return 0;
}
