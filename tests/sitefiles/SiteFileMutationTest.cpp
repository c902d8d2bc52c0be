// Damaged site files, made by fixed-seed mutations of a valid one: the parser
// must never read outside its first 64 KiB, and whatever it accepts must be
// 52 lines that pass the checks.
#include "SampleSite.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <random>

using sitefiles::kMaxSiteFileBytes;

namespace {

// Memory whose first 64 KiB can be read and whose next 64 KiB cannot: an
// input is placed so that its 64 KiB head ends where the readable part ends,
// so any read past the head (or past a shorter input) faults.
class GuardedBuffer {
public:
    GuardedBuffer()
    {
        m_base =
            static_cast<char*>(mmap(nullptr, 2 * kSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (m_base != MAP_FAILED)
            mprotect(m_base + kSize, kSize, PROT_NONE);
    }
    ~GuardedBuffer()
    {
        if (m_base != MAP_FAILED)
            munmap(m_base, 2 * kSize);
    }
    bool ok() const { return m_base != MAP_FAILED; }
    // The view the parser sees: the whole input's size, only its head readable.
    QByteArrayView place(const QByteArray& input)
    {
        const qsizetype head = std::min<qsizetype>(input.size(), kSize);
        char* start = m_base + kSize - head;
        std::memcpy(start, input.constData(), size_t(head));
        return QByteArrayView(start, std::min<qsizetype>(input.size(), 2 * kSize - (kSize - head)));
    }
    static constexpr qsizetype kSize = kMaxSiteFileBytes;

private:
    char* m_base = static_cast<char*>(MAP_FAILED);
};

// The lines a file holds by an independent split of its head: LF ends a
// line, a CR before it is not part of the line.
QStringList referenceLines(const QByteArray& input)
{
    const QByteArray head = input.first(std::min<qsizetype>(input.size(), kMaxSiteFileBytes));
    QStringList lines;
    qsizetype at = 0;
    while (at < head.size() && lines.size() < sitefiles::kSiteFileLines) {
        qsizetype end = head.indexOf('\n', at);
        const bool ended = end >= 0;
        if (!ended)
            end = head.size();
        QByteArray line = head.mid(at, end - at);
        if (ended && line.endsWith('\r'))
            line.chop(1);
        lines << QString::fromLatin1(line);
        at = end + 1;
    }
    return lines;
}

QByteArray mutate(const QByteArray& valid, std::mt19937& rng)
{
    QByteArray b = valid;
    auto pick = [&rng](qsizetype n) { return qsizetype(std::uniform_int_distribution<qsizetype>(0, n)(rng)); };
    auto byte = [&rng] { return char(std::uniform_int_distribution<int>(0, 255)(rng)); };
    const int rounds = 1 + int(pick(2));
    for (int r = 0; r < rounds; ++r) {
        switch (pick(5)) {
        case 0: // cut
            b.truncate(pick(b.size()));
            break;
        case 1: // flip bytes, line ends and digits among them
            for (qsizetype n = 1 + pick(7); n > 0 && !b.isEmpty(); --n) {
                const qsizetype at = pick(b.size() - 1);
                const char choices[] = {'\n', '\r', '-', '0', '9', 'x', ' ', '.', 'E'};
                b[at] = pick(1) ? byte() : choices[pick(sizeof choices - 1)];
            }
            break;
        case 2: { // insert a long line
            const qsizetype len = pick(1) ? pick(70 * 1024) : pick(300);
            b.insert(pick(b.size()), QByteArray(len, pick(1) ? 'L' : byte()) + (pick(1) ? "\r\n" : "\n"));
            break;
        }
        case 3: { // overwrite a run with random bytes
            const qsizetype at = pick(b.size());
            for (qsizetype n = pick(40); n > 0; --n)
                b.insert(at, byte());
            break;
        }
        case 4: { // drop or repeat a line
            const qsizetype at = b.indexOf('\n', pick(b.size()));
            if (at >= 0) {
                const qsizetype next = b.indexOf('\n', at + 1);
                const QByteArray line = b.mid(at + 1, next < 0 ? -1 : next - at);
                if (pick(1))
                    b.remove(at + 1, line.size());
                else
                    b.insert(at + 1, line);
            }
            break;
        }
        default: // replace a line's text by digits or a sign
            b.replace(pick(b.size()), 1, pick(1) ? QByteArray("-7") : QByteArray("1234"));
            break;
        }
    }
    return b.left(2 * kMaxSiteFileBytes - 1);
}

} // namespace

TEST(SiteFileMutations, NeverReadBeyondTheHeadAndAcceptOnlyCheckedLines)
{
    GuardedBuffer buffer;
    ASSERT_TRUE(buffer.ok());
    const QByteArray valid = sampleFileBytes();
    int accepted = 0, refused = 0;
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 rng(seed);
        for (int i = 0; i < 1000; ++i) {
            const QByteArray input = mutate(valid, rng);
            QString why;
            const std::optional<sitefiles::SiteFileContent> c = sitefiles::parseSiteFile(buffer.place(input), &why);
            if (!c) {
                ++refused;
                EXPECT_FALSE(why.isEmpty()) << "seed " << seed << " case " << i;
                continue;
            }
            ++accepted;
            const QStringList lines = referenceLines(input);
            ASSERT_EQ(lines.size(), sitefiles::kSiteFileLines) << "seed " << seed << " case " << i;
            EXPECT_EQ(QStringList(c->lines.begin(), c->lines.end()), lines) << "seed " << seed << " case " << i;
            expectCheckedLinesValid(*c);
            if (HasFailure())
                return;
        }
    }
    // The mutations must exercise both outcomes to mean anything.
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
}
