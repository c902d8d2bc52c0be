// Build-time generator of the site-layout pictures that the main window shows on
// its Site Layout page: one plan-view schematic per pump quantity (1 to 4) and
// number of branches (1 to the largest number the settings file offers), written
// as "<pumps>Pump<branches>Branch.jpg".
//
//   SiteLayoutImages <output folder> <TDR.ini> [png]
//
// Runs without a display: the offscreen platform is chosen before the
// application object exists, so fonts come from fontconfig as usual.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kMaxPumps = 4;
// The branch list is filled with a byte-wide counter; more branches than this
// would not fit the picture anyway.
constexpr int kMaxBranches = 12;

const QColor kTitleBar(0x1f, 0x3b, 0x5c);
const QColor kFrame(0x8a, 0x9b, 0xb0);
const QColor kTrunk(0x1f, 0x4e, 0x79);
const QColor kBranch(0x3b, 0x7d, 0xc4);
const QColor kPump(0x2e, 0x75, 0xb6);
const QColor kTankEdge(0x5b, 0x6b, 0x7d);
const QColor kIsland(0xe4, 0xe6, 0xe9);
const QColor kIslandEdge(0xa0, 0xa6, 0xad);
const QColor kInk(0x2b, 0x33, 0x3d);
const QColor kMutedInk(0x5f, 0x6b, 0x78);

QString plural(int n, const char* one, const char* many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

QFont font(int pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// Evenly spread centres around a middle line, at most `pitch` apart and all
// within `span`.
double centreOf(int i, int count, double middle, double span, double pitch)
{
    const double step = count > 1 ? std::min(pitch, span / (count - 1)) : 0.0;
    return middle + (i - (count - 1) / 2.0) * step;
}

// A right-angled pipe run from `from` to `to`: along x to `turnX`, then along y,
// then along x, with rounded bends.
QPainterPath pipeRun(QPointF from, double turnX, QPointF to, double bend)
{
    QPainterPath path(from);
    const double dy = to.y() - from.y();
    if (std::abs(dy) < 0.5) {
        path.lineTo(to);
        return path;
    }
    const double r = std::min(bend, std::abs(dy) / 2.0);
    const double sy = dy > 0 ? 1.0 : -1.0;
    path.lineTo(turnX - r, from.y());
    path.quadTo(turnX, from.y(), turnX, from.y() + sy * r);
    path.lineTo(turnX, to.y() - sy * r);
    path.quadTo(turnX, to.y(), turnX + r, to.y());
    path.lineTo(to);
    return path;
}

QImage drawSiteLayout(int pumps, int branches)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Title bar.
    p.fillRect(QRectF(0, 0, kWidth, 26), kTitleBar);
    p.setPen(Qt::white);
    p.setFont(font(13, true));
    p.drawText(QRectF(10, 0, 200, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Site Layout"));
    p.setFont(font(12));
    p.drawText(QRectF(kWidth - 250, 0, 240, 26), Qt::AlignRight | Qt::AlignVCenter,
               plural(pumps, "Pump", "Pumps") + QStringLiteral("  \u00b7  ") + plural(branches, "Branch", "Branches"));

    // Plan view: the tank on the left, the dispensers on the right.
    const double top = 36, bottom = 262;
    const double middle = (top + bottom) / 2.0;

    // Dispensing area behind the islands.
    const QRectF forecourt(268, top, 122, bottom - top);
    p.setPen(QPen(kIslandEdge, 1, Qt::DashLine));
    p.setBrush(QColor(0xf6, 0xf7, 0xf9));
    p.drawRoundedRect(forecourt, 6, 6);

    // Tank: a horizontal cylinder seen from above.
    const QRectF tank(16, top + 8, 86, bottom - top - 16);
    QLinearGradient shell(tank.topLeft(), tank.topRight());
    shell.setColorAt(0.0, QColor(0xc9, 0xd4, 0xe0));
    shell.setColorAt(0.5, QColor(0xf1, 0xf4, 0xf8));
    shell.setColorAt(1.0, QColor(0xc9, 0xd4, 0xe0));
    p.setPen(QPen(kTankEdge, 1.5));
    p.setBrush(shell);
    p.drawRoundedRect(tank, 38, 38);
    p.setPen(kMutedInk);
    p.setFont(font(11, true));
    p.drawText(QRectF(tank.left(), tank.bottom() - 34, tank.width(), 16), Qt::AlignCenter, QStringLiteral("TANK"));

    // Pumps on the tank's centre line, joined by a manifold on its right side.
    const double pumpX = tank.center().x() - 6;
    const double manifoldX = tank.right() - 10;
    const double pumpR = 11;
    double firstPumpY = middle, lastPumpY = middle;
    QVector<double> pumpY;
    for (int i = 0; i < pumps; ++i) {
        const double y = centreOf(i, pumps, middle, 108, 40);
        pumpY.push_back(y);
        firstPumpY = std::min(firstPumpY, y);
        lastPumpY = std::max(lastPumpY, y);
    }
    p.setPen(QPen(kTrunk, 3, Qt::SolidLine, Qt::FlatCap));
    for (double y : pumpY)
        p.drawLine(QPointF(pumpX + pumpR, y), QPointF(manifoldX, y));
    p.setPen(QPen(kTrunk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(manifoldX, std::min(firstPumpY, middle)), QPointF(manifoldX, std::max(lastPumpY, middle)));
    for (int i = 0; i < pumps; ++i) {
        p.setPen(QPen(kTrunk, 1.5));
        p.setBrush(kPump);
        p.drawEllipse(QPointF(pumpX, pumpY[i]), pumpR, pumpR);
        p.setPen(Qt::white);
        p.setFont(font(10, true));
        p.drawText(QRectF(pumpX - pumpR, pumpY[i] - pumpR, 2 * pumpR, 2 * pumpR), Qt::AlignCenter,
                   QStringLiteral("P%1").arg(i + 1));
    }

    // Trunk from the manifold to the branch junction.
    const double junctionX = 214;
    p.setPen(QPen(kTrunk, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(manifoldX, middle), QPointF(junctionX, middle));
    p.setPen(kInk);
    p.setFont(font(11, true));
    p.drawText(QRectF(tank.right(), middle - 22, junctionX - tank.right(), 16), Qt::AlignCenter,
               QStringLiteral("Trunk"));

    // Branches, each to one dispenser island.
    const double islandX = 276, islandW = 106;
    const double pitch = 58;
    const double islandH = std::min(30.0, (bottom - top - 12) / branches - 8);
    for (int j = 0; j < branches; ++j) {
        const double y = centreOf(j, branches, middle, bottom - top - 12 - islandH, pitch);
        p.setPen(QPen(kBranch, 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pipeRun(QPointF(junctionX, middle), junctionX + 18, QPointF(islandX, y), 8));
        p.setPen(kMutedInk);
        p.setFont(font(10));
        p.drawText(QRectF(junctionX + 20, y - 15, islandX - junctionX - 20, 13), Qt::AlignCenter,
                   QStringLiteral("B%1").arg(j + 1));

        const QRectF island(islandX, y - islandH / 2, islandW, islandH);
        p.setPen(QPen(kIslandEdge, 1));
        p.setBrush(kIsland);
        p.drawRoundedRect(island, islandH / 2, islandH / 2);
        const QRectF dispenser = island.adjusted(12, 3, -12, -3);
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(dispenser);
        p.setPen(kInk);
        p.setFont(font(islandH >= 22 ? 11 : 10));
        p.drawText(dispenser, Qt::AlignCenter, QStringLiteral("Dispenser %1").arg(j + 1));
    }
    if (branches > 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(kTrunk);
        p.drawEllipse(QPointF(junctionX, middle), 4.5, 4.5);
    }

    // Legend.
    const double ly = 282;
    p.setPen(QPen(QColor(0xd5, 0xdb, 0xe2), 1));
    p.drawLine(QPointF(10, 268), QPointF(kWidth - 10, 268));
    p.setFont(font(10));
    auto label = [&](double x, const QString& text) {
        p.setPen(kMutedInk);
        p.drawText(QRectF(x, ly - 8, 100, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    p.setPen(QPen(kTrunk, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14, ly), QPointF(36, ly));
    label(41, QStringLiteral("Trunk"));
    p.setPen(QPen(kBranch, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(86, ly), QPointF(108, ly));
    label(113, QStringLiteral("Branch"));
    p.setPen(QPen(kTrunk, 1.2));
    p.setBrush(kPump);
    p.drawEllipse(QPointF(172, ly), 6, 6);
    label(182, QStringLiteral("Submersible pump"));
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(290, ly - 6, 18, 12));
    label(313, QStringLiteral("Dispenser"));

    // Frame.
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    p.end();
    return image;
}

// Line 2 of the settings file: the largest number of branches offered.
std::optional<int> largestBranchCount(const QString& iniPath)
{
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QTextStream in(&file);
    in.readLine();
    bool ok = false;
    const int branches = in.readLine().trimmed().toInt(&ok);
    if (!ok || branches < 1)
        return std::nullopt;
    return std::min(branches, kMaxBranches);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: SiteLayoutImages <output folder> <TDR.ini> [png]\n");
        return 2;
    }
    const QString outDir = args.at(1);
    const bool png = args.size() > 3 && args.at(3) == QLatin1String("png");
    const std::optional<int> branches = largestBranchCount(args.at(2));
    if (!branches) {
        std::fprintf(stderr, "SiteLayoutImages: no branch count in line 2 of %s\n", qPrintable(args.at(2)));
        return 1;
    }
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "SiteLayoutImages: cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    for (int q = 1; q <= kMaxPumps; ++q) {
        for (int b = 1; b <= *branches; ++b) {
            const QString name = QStringLiteral("%1Pump%2Branch.%3").arg(q).arg(b).arg(png ? "png" : "jpg");
            const QString path = QDir(outDir).filePath(name);
            if (!drawSiteLayout(q, b).save(path, png ? "PNG" : "JPEG", png ? -1 : 92)) {
                std::fprintf(stderr, "SiteLayoutImages: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
