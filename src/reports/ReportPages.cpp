#include "ReportPages.h"

#include "FlowComparison.h"
#include "ReportWindow.h"

#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/UnitsInForce.h"
#include "catalogue/clsSiteProperties.h"
#include "hydraulics/MainWindowInputs.h"
#include "platform/Chart.h"
#include "platform/Named.h"
#include "platform/UiServices.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <memory>

using platform::named;

namespace reports {

namespace {

// The page 1 picture of the flow graph, in twips.
constexpr int kGraphWidth = 4935, kGraphHeight = 2495;

} // namespace

void PreviewPage::finish(PreviewStep step)
{
    m_step = step;
    done(step == PreviewStep::Close ? QDialog::Rejected : QDialog::Accepted);
}

LabelButton* PreviewPage::button(const char* name, const QString& caption, Qt::Alignment alignment, int left, int top,
                                 PreviewStep step)
{
    auto* b = named<LabelButton>(name, caption, alignment, this);
    b->setGeometry(pxRect(left, top, 855, 375));
    connect(b, &LabelButton::clicked, this, [this, step] { finish(step); });
    return b;
}

ReportGridView* gridInFrame(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* frame = new QScrollArea(parent);
    frame->setObjectName(QString::fromLatin1(name) + QStringLiteral("Frame"));
    frame->setGeometry(pxRect(left, top, width, height));
    frame->setFrameShape(QFrame::Box);
    frame->setWidgetResizable(false);
    auto* view = named<ReportGridView>(name);
    frame->setWidget(view);
    return view;
}

std::array<QString, 10> siteFieldTexts(const clsSiteProperties* p)
{
    std::array<QString, 10> texts;
    if (p && p->blnPrintFields)
        texts = {p->strCustomerName, p->strCustomerContact, p->strSiteDescription,
                 p->strAddress1,     p->strAddress2,        p->strGeneratedBy,
                 p->strDate,         p->strContact,         p->strEmail,
                 p->strPhone};
    return texts;
}

} // namespace reports

// --- page 1 ---

frmPrint::frmPrint(Module1& module, MainWindowInputs& w, ReportWindow& r, QWidget* parent)
    : PreviewPage(parent), m(module), m_inputs(w), m_report(r)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Tandril"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(platform::px(11175), platform::px(7470));
    whiteBackground(this);

    named<reports::HeaderPicture>("Picture1", 1, this)->setGeometry(reports::pxRect(360, 240, 1815, 375));
    named<reports::HeaderPicture>("Picture2", 2, this)->setGeometry(reports::pxRect(7800, 120, 2535, 495));
    fields.build(this, {720, 720, 600, 1440, 2160, 3015, 5880, 1200, 7200, 3615, 1080});
    picGraph = named<QLabel>("picGraph", this);
    picGraph->setGeometry(reports::pxRect(2520, 2760, reports::kGraphWidth, reports::kGraphHeight));
    picGraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCurrentPumpPrint = reports::placedLabel(this, QStringLiteral("lblCurrentPumpPrint"), QStringLiteral("Label2"),
                                               120, 6480, 5655, 255);
    lblBaselinePumpPrint = reports::placedLabel(this, QStringLiteral("lblBaselinePumpPrint"), QStringLiteral("Label2"),
                                                120, 6960, 5655, 255);
    lblPrint = button("lblPrint", QStringLiteral("Print"), Qt::AlignHCenter, 7080, 6840, reports::PreviewStep::Print);
    lblNExt = button("lblNExt", QStringLiteral("Next"), Qt::AlignHCenter, 8040, 6840, reports::PreviewStep::Next);
    lblClose = button("lblClose", QStringLiteral("Close"), Qt::AlignHCenter, 9000, 6840, reports::PreviewStep::Close);
}

void frmPrint::Form_Load()
{
    // The chart drawn afresh at the picture's own size, kept in memory: the
    // clipboard and the program folder are left alone.
    picGraph->setPixmap(QPixmap::fromImage(m_inputs.MSChart1().picture(picGraph->size())));
    lblCurrentPumpPrint->setText(m_report.lblCurrentPumpCaption());
    lblBaselinePumpPrint->setText(m_report.lblBaselinePumpCaption());
    fields.fill(reports::siteFieldTexts(m.objSiteProperties.get()));
}

void frmPrint::paintEvent(QPaintEvent* event)
{
    PreviewPage::paintEvent(event);
    QPainter painter(this);
    reports::drawFieldBlock(painter, 480, 1080, 4800, 1215, 2040);
    reports::drawFieldBlock(painter, 5760, 1080, 5160, 1215, 7080);
}

// --- page 2 ---

frmCompare::frmCompare(Module1& module, QWidget* parent) : PreviewPage(parent), m(module)
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("CompareTable"));
    setFixedSize(platform::px(9255), platform::px(5910));
    whiteBackground(this);
    flxCompare = reports::gridInFrame(this, "flxCompare", 120, 360, 9015, 4575);
    lblPrev = button("lblPrev", QStringLiteral("Prev"), Qt::AlignHCenter, 6360, 5280, reports::PreviewStep::Prev);
    lblNExt = button("lblNExt", QStringLiteral("Next"), Qt::AlignHCenter, 7320, 5280, reports::PreviewStep::Next);
    lblClose = button("lblClose", QStringLiteral(" Close"), Qt::AlignHCenter, 8280, 5280, reports::PreviewStep::Close);
}

void frmCompare::Form_Load()
{
    const bool us = catalogue::windowShowsUS(m);
    flxCompare->setGrid(reports::comparisonPageGrid(m.intNozzlesEntered, us, reports::comparisonFlows(m, us)));
}

// --- page 3 ---

frmComponentList::frmComponentList(ReportWindow& r, QWidget* parent) : PreviewPage(parent), m_report(r)
{
    setObjectName(QStringLiteral("frmComponentList"));
    setWindowTitle(QStringLiteral("ComonentList"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(platform::px(11400), platform::px(5790));
    flxComponentPrint =
        reports::gridInFrame(this, "flxComponentPrint", 120, 600, reports::kComponentListGridWidth, 4335);
    flxComponentPrint->onEnterCell = [this] { flxComponentPrint_EnterCell(); };
    lblPrev = button("lblPrev", QStringLiteral("      Prev"), Qt::AlignLeft, 9240, 5280, reports::PreviewStep::Prev);
    lblClose =
        button("lblClose", QStringLiteral("     Close"), Qt::AlignLeft, 10200, 5280, reports::PreviewStep::Close);
}

void frmComponentList::Form_Load()
{
    flxComponentPrint->setGrid(reports::buildComponentList(m_report.currentGrid(), m_report.baselineGrid()));
}

void frmComponentList::flxComponentPrint_EnterCell()
{
    flxComponentPrint->setToolTip(QString());
    flxComponentPrint->setToolTip(
        reports::componentListToolTip(flxComponentPrint->grid(), flxComponentPrint->Row(), flxComponentPrint->Col()));
}

namespace reports {

// --- the preview ---

bool runReportPreview(Module1& m, MainWindowInputs& w, ReportWindow& r, QWidget* parent)
{
    int page = 1;
    for (;;) {
        // Each page is built afresh, runs modally and is gone before the
        // next one is built: no page is destroyed inside its own handler.
        std::unique_ptr<PreviewPage> shown;
        if (page == 1) {
            auto p = std::make_unique<frmPrint>(m, w, r, parent);
            p->Form_Load();
            shown = std::move(p);
        } else if (page == 2) {
            auto p = std::make_unique<frmCompare>(m, parent);
            p->Form_Load();
            shown = std::move(p);
        } else {
            auto p = std::make_unique<frmComponentList>(r, parent);
            p->Form_Load();
            shown = std::move(p);
        }
        platform::ui().showModal(*shown);
        switch (shown->step()) {
        case PreviewStep::Close: return false;
        case PreviewStep::Print: return page == 1;
        case PreviewStep::Next: page = std::min(page + 1, 3); break;
        case PreviewStep::Prev: page = std::max(page - 1, 1); break;
        }
    }
}

} // namespace reports
