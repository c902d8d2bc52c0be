// Writes a few site files as the writer builds them into the folder given,
// as the fuzz target's starting corpus.
#include "platform/TextFile.h"
#include "platform/TextGrid.h"
#include "sitefiles/SiteFile.h"

#include <QDir>
#include <cstdio>

namespace {

platform::PlainGrid siteGrid(bool metric)
{
    platform::PlainGrid g(36, 3);
    const char* cells[36][3] = {};
    // clang-format off: the cells in row order, packed
    cells[1][1] = "Dispenser 4 "; cells[2][1] = "None"; cells[3][1] = "3/4 inch";
    cells[4][1] = metric ? "3" : "10.50"; cells[5][1] = "Nozzle 11"; cells[6][1] = "None";
    cells[7][2] = "4"; cells[8][1] = "Fibreglass"; cells[9][1] = "2 inch"; cells[10][1] = "100";
    cells[11][2] = "0"; cells[12][2] = "1"; cells[13][2] = "2"; cells[14][2] = "10";
    cells[15][1] = "3 inch"; cells[16][1] = "250.5"; cells[17][2] = "0"; cells[18][2] = "3";
    cells[19][2] = "0"; cells[20][2] = "99"; cells[21][1] = metric ? "SwingCheck" : "BallValve and SwingCheck";
    cells[22][1] = metric ? "Advance" : "Basic"; cells[23][1] = "None"; cells[24][1] = "0";
    cells[25][1] = "Pump 2 "; cells[26][2] = "1"; cells[27][1] = metric ? "60Hz Pump " : "50Hz Pump ";
    cells[28][1] = "None"; cells[29][1] = "None"; cells[30][2] = metric ? "243.8" : "96";
    cells[31][2] = "3"; cells[32][2] = "12.3"; cells[33][2] = "2";
    cells[34][1] = metric ? "Diesel" : "Gas"; cells[35][1] = metric ? "Commercial" : "International";
    // clang-format on
    for (int r = 0; r < 36; ++r)
        for (int c = 0; c < 3; ++c)
            if (cells[r][c])
                g.setTextMatrix(r, c, QString::fromLatin1(cells[r][c]));
    return g;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // US and metric sites, and one whose long customer name takes the file
    // past the size the parser reads.
    for (int kind : {0, 1, 2}) {
        const bool metric = kind == 1;
        const platform::PlainGrid grid = siteGrid(metric);
        sitefiles::SiteFileSource source;
        source.current = &grid;
        source.gridMetric = metric;
        source.optUS = !metric;
        if (metric)
            for (int p = 0; p < sitefiles::kPropertyCount; ++p)
                source.properties[size_t(p)] = QStringLiteral("Text %1").arg(p);
        if (kind == 2)
            source.properties[0] = QString(int(sitefiles::kMaxSiteFileBytes), QLatin1Char('n'));
        QString error;
        const std::optional<QStringList> lines = sitefiles::buildSiteFileLines(source, &error);
        const char* names[] = {"/us.txt", "/metric.txt", "/long.txt"};
        const QString path = folder + QString::fromLatin1(names[kind]);
        if (!lines || !platform::writeLines(path, *lines, &error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
            return 1;
        }
    }
    return 0;
}
