#include "frmDetails.h"

#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/UnitsInForce.h"
#include "platform/Named.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using platform::named;

namespace {
using platform::px;

// The client area and the places in it, in twips.
constexpr int kClientWidth = 11520, kClientHeight = 2250;
constexpr int kMargin = 60, kCaptionTop = 120, kCaptionHeight = 840, kValueTop = 1020, kValueHeight = 285;
constexpr int kCloseWidth = 1215, kCloseHeight = 375, kCloseTop = 1650;
} // namespace

frmDetails::frmDetails(Module1& module, MainWindowInputs& w, QWidget* parent) : QDialog(parent), m(module), m_inputs(w)
{
    setObjectName(QStringLiteral("frmDetails"));
    setWindowTitle(QStringLiteral("System Headloss Details"));
    setFixedSize(px(kClientWidth), px(kClientHeight));

    const auto& columns = reports::detailsColumns();
    const int columnWidth = (kClientWidth - 2 * kMargin) / reports::kDetailsColumns;
    for (int c = 0; c < reports::kDetailsColumns; ++c) {
        const reports::DetailsColumn& col = columns[size_t(c)];
        const int left = kMargin + c * columnWidth;
        QLabel* caption = named<QLabel>(col.captionLabel, QString::fromLatin1(col.feetCaption), this);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setGeometry(px(left), px(kCaptionTop), px(columnWidth), px(kCaptionHeight));
        // The design caption, which the load always replaces.
        QLabel* value = named<QLabel>(col.valueLabel, QStringLiteral("0.0"), this);
        // Left-aligned values keep a small inset from the column's edge.
        value->setAlignment((col.leftAligned ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
        value->setIndent(col.leftAligned ? px(120) : -1);
        value->setGeometry(px(left), px(kValueTop), px(columnWidth), px(kValueHeight));
        captionLabels[size_t(c)] = caption;
        valueLabels[size_t(c)] = value;
    }
    fitCaptionFont(px(columnWidth));
    cmdClose = named<QPushButton>("cmdClose", QStringLiteral("Close"), this);
    cmdClose->setGeometry(px((kClientWidth - kCloseWidth) / 2), px(kCloseTop), px(kCloseWidth), px(kCloseHeight));
    connect(cmdClose, &QPushButton::clicked, this, &frmDetails::cmdClose_Click);
}

void frmDetails::fitCaptionFont(int columnPixels)
{
    // The columns keep their width in twips whatever font the desktop has:
    // the captions take the largest size at which each of their words, in
    // either unit, fits its column, so none is cut or runs into the next.
    QFont font = captionLabels[0]->font();
    for (; font.pointSizeF() > 6.0; font.setPointSizeF(font.pointSizeF() - 0.5)) {
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const reports::DetailsColumn& col : reports::detailsColumns())
            for (const char* caption : {col.feetCaption, col.metricCaption})
                for (const QString& word : QString::fromLatin1(caption).split(QLatin1Char(' ')))
                    fits = fits && metrics.horizontalAdvance(word) + 4 <= columnPixels;
        if (fits)
            break;
    }
    for (QLabel* caption : captionLabels)
        caption->setFont(font);
}

void frmDetails::Form_Load()
{
    reports::SearchHeadLossDetails(m, m_inputs);
    const bool us = catalogue::windowShowsUS(m);
    const reports::DetailsTexts texts = reports::detailsTexts(m, us);
    for (int c = 0; c < reports::kDetailsColumns; ++c) {
        captionLabels[size_t(c)]->setText(texts.captions[size_t(c)]);
        valueLabels[size_t(c)]->setText(texts.values[size_t(c)]);
    }
}

void frmDetails::cmdClose_Click() { accept(); }
