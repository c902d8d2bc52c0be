// The piping data loader. The file is read section by section, each section
// test taking exactly one line, so a missing section shifts every later test
// by a line: files in the field rely on that reading, so it is kept as is.
#include "CatalogueData.h"
#include "Module1.h"
#include "PipingConstants.h"
#include "SharedServices.h"
#include "platform/NumText.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"

#include <optional>

namespace catalogue {
namespace {

// Reads the piping file line by line; every failure shows
// PipingFileUnreadable and ends the program.
class PipingReader {
public:
    explicit PipingReader(QStringList lines) : m_stream(std::move(lines)) {}

    [[noreturn]] static void fail()
    {
        ShowMessage(Msg::PipingFileUnreadable);
        platform::endProgram();
    }

    QString next()
    {
        QString line;
        if (!m_stream.readLine(line))
            fail(); // the file ends where a line is still expected
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
            fail();
        return *v;
    }

    // A material or size line: name "," value; no comma is a failure.
    static void nameAndValue(const QString& line, QString& name, float& value)
    {
        const qsizetype comma = line.indexOf(',');
        if (comma < 0)
            fail();
        name = line.left(comma);
        value = number(QStringView(line).mid(comma + 1));
    }

    // A section of name "," value lines: when the next line is its marker,
    // reads up to the closing marker, calling take(value) for each line after
    // its name went into `name`; more than `capacity` lines is a failure.
    template <typename Take>
    void namedSection(const char* marker, int16_t& count, int capacity, QString& name, Take take)
    {
        if (!isMarker(next(), marker))
            return; // the section is skipped and its test line lost
        count = 0;
        for (QString line = next(); !isMarker(line, marker); line = next()) {
            if (count >= capacity)
                fail();
            float value = 0;
            nameAndValue(line, name, value);
            take(value);
            ++count;
        }
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
} // namespace catalogue

void clsPipeHeadData::GetPipeHeadFileData()
{
    PlainPipingLists noWindow; // loading without a main window fills the tables only
    PipingLists& lists = m_.frmMainPiping ? *m_.frmMainPiping : noWindow;
    platform::ListControl& cmbPiping = lists.cmbPiping();
    platform::ListControl& cmbBranch = lists.cmbBranch();
    platform::ListControl& cmbTrunk = lists.cmbTrunk();
    platform::ListControl& cmbPipeSize = lists.cmbPipeSize();
    cmbPiping.clear();
    cmbBranch.clear();
    cmbTrunk.clear();
    cmbPipeSize.clear();

    const QString path = m_.programPath(QStringLiteral("Components/PIPING.DAT"));
    if (!platform::fileExists(path)) {
        catalogue::ShowMessage(Msg::PipingFileMissing);
        platform::endProgram();
    }
    QStringList lines;
    if (platform::readLines(path, lines) != platform::ReadStatus::Ok)
        catalogue::PipingReader::fail();
    catalogue::PipingReader in(std::move(lines));

    // Materials. A negative roughness would make the friction factor's
    // iteration meaningless, so such a file counts as unreadable.
    in.namedSection("$PT", m_.intPipeTypeCount, kPipeMaterials, m_.udtPipeNames[0].strMaterial,
                    [&](float roughness) {
                        if (roughness < 0)
                            catalogue::PipingReader::fail();
                        cmbPiping.addItem(m_.udtPipeNames[0].strMaterial);
                        cmbPiping.setItemData(cmbPiping.listCount() - 1, m_.intPipeTypeCount);
                        m_.sngPipeRoughness[m_.intPipeTypeCount] = roughness;
                    });
    if (cmbPiping.listCount() == 0)
        catalogue::PipingReader::fail();
    cmbPiping.setListIndex(0);

    // Sizes. The friction formula divides by the diameter: it must be above 0.
    in.namedSection("$PD", m_.intPipeSizeCount, kPipeSizes, m_.udtPipeNames[0].strSize,
                    [&](float diameter) {
                        if (!(diameter > 0))
                            catalogue::PipingReader::fail();
                        cmbBranch.addItem(m_.udtPipeNames[0].strSize);
                        cmbTrunk.addItem(m_.udtPipeNames[0].strSize);
                        cmbPipeSize.addItem(m_.udtPipeNames[0].strSize);
                        m_.sngPipeDiameter[m_.intPipeSizeCount] = diameter;
                    });
    if (cmbTrunk.listCount() == 0 || cmbBranch.listCount() == 0 || cmbPipeSize.listCount() == 0)
        catalogue::PipingReader::fail();
    cmbTrunk.setListIndex(0);
    cmbBranch.setListIndex(0);
    cmbPipeSize.setListIndex(0);

    // Valves: blocks of a name line and five value lines, one per size.
    if (catalogue::PipingReader::isMarker(in.next(), "$VA")) {
        m_.intValveCount = 0;
        for (QString line = in.next(); !catalogue::PipingReader::isMarker(line, "$VA"); line = in.next()) {
            if (line.isEmpty() || m_.intValveCount >= kPipeValves)
                catalogue::PipingReader::fail();
            typValve& valve = m_.udtValves[m_.intValveCount];
            valve.strName = line.mid(1);
            for (int s = 0; s < kPipeSizes; ++s)
                valve.sngLength[s] = in.valueLine();
            ++m_.intValveCount;
        }
    }

    // Fittings: five values per section; a line after them that is not the
    // closing marker is dropped and the next five values replace them.
    static const char* const markers[kFittingKinds] = {"$L0", "$L1", "$L2", "$L3"};
    float working[kFittingKinds][kPipeSizes] = {};
    for (int k = 0; k < kFittingKinds; ++k) {
        if (!catalogue::PipingReader::isMarker(in.next(), markers[k]))
            continue;
        do {
            for (int s = 0; s < kPipeSizes; ++s)
                working[k][s] = in.valueLine();
        } while (!catalogue::PipingReader::isMarker(in.next(), markers[k]));
    }
    for (int s = 0; s < kPipeSizes; ++s)
        for (int k = 0; k < kFittingKinds; ++k)
            m_.sngFittingLength[s][k] = working[k][s];
}
