// The readers of the removal's own files, which are input like any other file on disk: the
// journal (JSON), the .reg backup and the trash's records (freedesktop .trashinfo, Windows $I).
// The input is given to each of them; none may crash, hang or read past what it was given. A
// journal that reads without a problem writes back to a text that reads without a problem, and
// a backup that reads writes back to a text that reads to the same keys.
#include "leftovers/regexport.h"
#include "leftovers/removaljournal.h"
#include "leftovers/trash.h"
#include "libs/sharelog/sharelog.h"

#include <QByteArray>
#include <QTextCodec>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    sharelog::SetLogFilePath(QStringLiteral("/dev/null"));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));

    const journal::Run run = journal::FromJson(input, QStringLiteral("fuzz.json"));
    if (run.problem.isEmpty()) {
        const journal::Run again = journal::FromJson(journal::ToJson(run), QStringLiteral("fuzz.json"));
        if (!again.problem.isEmpty() || again.programs.size() != run.programs.size())
            std::abort();
    }

    std::vector<RegExportKey> keys;
    QString error;
    if (ParseRegExportText(input, &keys, &error, 1000)) {
        std::vector<RegExportKey> again;
        if (RegExportProblem(keys).isEmpty()
            && (!ParseRegExportText(RegExportText(keys), &again, &error, 1000) || again.size() != keys.size()))
            std::abort();
    }

    trash::Record record;
    trash::ParseTrashInfo(input, QStringLiteral("/mnt/volume"), &record);
    trash::ParseTrashInfo(input, QString(), &record);
    trash::ParseRecycleBinInfo(input, &record);
    return 0;
}
