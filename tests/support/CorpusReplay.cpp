// Replays every file of a fuzz target's corpus through the target's checks,
// built with the ordinary compiler: a finding, once its input is in the
// corpus, stays fixed. A broken check aborts the program, naming it.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

TEST(CorpusReplay, EveryCorpusFilePassesTheTargetsChecks)
{
    const QDir corpus(QStringLiteral(TDR_FUZZ_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty()) << "no corpus in " << TDR_FUZZ_CORPUS;
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        // A broken check aborts the run: say first which file it was.
        std::fprintf(stderr, "replaying %s\n", qPrintable(name));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    }
}
