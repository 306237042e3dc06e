// A language's List.lng as the program reads it at start: every index then
// gives a text, the built-in English one where the file has no line.

#include "FuzzSupport.h"

#include "core/lang/LanguageFiles.h"
#include "core/lang/UiTextTable.h"
#include "core/util/WholeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const DataRoots appDir(fuzzScratchFolder());
    const QString language = size % 2 == 0 ? QStringLiteral("English") : QStringLiteral("Russian");
    if (!WholeFile::write(
            appDir.writePath(QStringLiteral("Langs/") + language + QStringLiteral("/List.lng")),
            fuzzBytes(data, size)))
        return 0;

    UiTextTable texts;
    texts.setLanguage(language);
    const QList<QByteArray> lines = LanguageFiles::readUiTexts(appDir, language);
    texts.replace(lines);
    const int builtin = int(UiTextTable::builtinLines().size());
    for (int index = -1; index <= std::max(builtin, texts.count()); ++index) {
        const QByteArray text = texts.text(index);
        if (index >= 0 && index < texts.count())
            FUZZ_CHECK(text == lines.at(index));
        else if (index >= 0 && index < builtin)
            FUZZ_CHECK(text == UiTextTable::builtinLines().at(index));
        FUZZ_CHECK(!text.contains('\n') && !texts.string(index).contains(QLatin1Char('\n')));
    }
    return 0;
}
