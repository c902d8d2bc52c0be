#include "frmSplash.h"

#include "frmAbout.h"
#include "frmMain.h"

#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "platform/Named.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

namespace {

// The 156 x 32 logo: a fuel drop beside a pressure trace, drawn rather than shipped.
QPixmap logo()
{
    QPixmap pix(156, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath drop;
    drop.moveTo(16, 2);
    drop.cubicTo(26, 14, 28, 20, 28, 22);
    drop.arcTo(4, 10, 24, 20, 0, -180);
    drop.cubicTo(4, 20, 6, 14, 16, 2);
    p.fillPath(drop, QColor(0, 90, 160));
    p.setPen(QPen(QColor(200, 60, 20), 2.5));
    p.drawPolyline(QPolygonF({{36, 26}, {60, 24}, {84, 20}, {108, 14}, {132, 8}, {152, 4}}));
    return pix;
}

} // namespace

frmSplash::frmSplash(Module1& module, std::function<bool()> loadMain)
    : QDialog(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m(module), m_loadMain(std::move(loadMain))
{
    setObjectName(QStringLiteral("frmSplash"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = platform::named<QFrame>("Frame1");
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    auto* lay = new QVBoxLayout(frame);
    lay->setContentsMargins(28, 22, 28, 22);
    auto* picture = platform::named<QLabel>("imgLogo");
    picture->setPixmap(logo());
    lay->addWidget(picture);
    lblProductName = platform::named<QLabel>("lblProductName");
    QFont f = lblProductName->font();
    f.setPointSizeF(f.pointSizeF() * 1.8);
    f.setBold(true);
    lblProductName->setFont(f);
    lay->addWidget(lblProductName);
    lblVersion = platform::named<QLabel>("lblVersion");
    lay->addWidget(lblVersion);
    outer->addWidget(frame);
    Form_Load();
}

void frmSplash::Form_Load()
{
    // The product name, which is also the application's title.
    lblProductName->setText(kAppTitle);
    lblVersion->setText(mainwindow::versionText());
}

void frmSplash::Form_Activate()
{
    catalogue::Pause(pauseMilliseconds);
    if (m_loadMain())
        close();
}

int mainwindow::runProgram(QApplication& app, const QString& programFolder)
{
    app.setApplicationName(kAppTitle);
    Module1 m(programFolder);
    std::unique_ptr<frmMain> main;
    frmSplash splash(m, [&] {
        main = std::make_unique<frmMain>(m);
        main->Form_Load();
        if (main->programEnded())
            return false;
        main->show();
        return true;
    });
    splash.show();
    QTimer::singleShot(0, &splash, &frmSplash::Form_Activate);
    return app.exec();
}
