#include "PipingFile.h"

#include "platform/NumText.h"
#include "platform/TextFile.h"

namespace catalogue {

namespace {

// Any failure ends the parse: the file is unreadable as a whole.
struct Unreadable {};

class PipingReader {
public:
    // A line ends at CR LF, a lone LF or a lone CR, as the catalogue files'
    // lines do: a file whose lines end in CR alone reads as its CR LF twin.
    explicit PipingReader(QByteArrayView bytes)
        : m_stream(platform::LineStream::overText(QString::fromLatin1(bytes), platform::LineStream::Breaks::AnyCrOrLf))
    {
    }

    QString next()
    {
        QString line;
        if (!m_stream.readLine(line))
            throw Unreadable{}; // the file ends where a line is still expected
        return line;
    }

    // A marker is the first three characters, letter case included.
    static bool isMarker(const QString& line, const char* marker)
    {
        return line.size() >= 3 && QStringView(line).left(3) == QLatin1String(marker);
    }

    static float number(QStringView text)
    {
        const std::optional<float> v = platform::parseSingle(text);
        if (!v)
            throw Unreadable{};
        return *v;
    }

    // A section of name "," value lines, when the next line is its marker,
    // up to the closing marker; more than `capacity` lines is a failure. A
    // section that is not there loses its test line.
    std::vector<std::pair<QString, float>> namedSection(const char* marker, int capacity)
    {
        std::vector<std::pair<QString, float>> entries;
        if (!isMarker(next(), marker))
            return entries;
        for (QString line = next(); !isMarker(line, marker); line = next()) {
            if (int(entries.size()) >= capacity)
                throw Unreadable{};
            const qsizetype comma = line.indexOf(',');
            if (comma < 0)
                throw Unreadable{};
            entries.emplace_back(line.left(comma), number(QStringView(line).mid(comma + 1)));
        }
        return entries;
    }

    // A valve or fitting value line: the text after the first comma, or the
    // whole line when it has none.
    float valueLine()
    {
        const QString line = next();
        const qsizetype comma = line.indexOf(',');
        return number(comma < 0 ? QStringView(line) : QStringView(line).mid(comma + 1));
    }

private:
    platform::LineStream m_stream;
};

} // namespace

std::optional<PipingFile> parsePipingFile(QByteArrayView bytes)
{
    PipingFile file;
    try {
        PipingReader in(bytes);
        // A negative roughness would make the friction factor's iteration
        // meaningless; the friction formula divides by the diameter.
        file.materials = in.namedSection("$PT", kPipeMaterials);
        for (const auto& [name, roughness] : file.materials)
            if (roughness < 0)
                return std::nullopt;
        if (file.materials.empty())
            return std::nullopt;
        file.sizes = in.namedSection("$PD", kPipeSizes);
        for (const auto& [name, diameter] : file.sizes)
            if (!(diameter > 0))
                return std::nullopt;
        if (file.sizes.empty())
            return std::nullopt;

        // Valves: blocks of a name line and five value lines, one per size.
        if (PipingReader::isMarker(in.next(), "$VA")) {
            file.valvesRead = true;
            for (QString line = in.next(); !PipingReader::isMarker(line, "$VA"); line = in.next()) {
                if (line.isEmpty() || int(file.valves.size()) >= kPipeValves)
                    return std::nullopt;
                typValve& valve = file.valves.emplace_back();
                valve.strName = line.mid(1);
                for (int s = 0; s < kPipeSizes; ++s)
                    valve.sngLength[s] = in.valueLine();
            }
        }

        // Fittings: five values per section; a line after them that is not
        // the closing marker is dropped and the next five values replace them.
        static const char* const markers[kFittingKinds] = {"$L0", "$L1", "$L2", "$L3"};
        float working[kFittingKinds][kPipeSizes] = {};
        for (int k = 0; k < kFittingKinds; ++k) {
            if (!PipingReader::isMarker(in.next(), markers[k]))
                continue;
            do {
                for (int s = 0; s < kPipeSizes; ++s)
                    working[k][s] = in.valueLine();
            } while (!PipingReader::isMarker(in.next(), markers[k]));
        }
        for (int s = 0; s < kPipeSizes; ++s)
            for (int k = 0; k < kFittingKinds; ++k)
                file.fittingLength[s][k] = working[k][s];
    } catch (const Unreadable&) {
        return std::nullopt;
    }
    return file;
}

} // namespace catalogue
