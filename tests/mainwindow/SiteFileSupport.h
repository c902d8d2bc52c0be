#pragma once
// What the site-file tests of the main window share: the lines of a file on
// disk, and a record of everything the window shows and holds, to tell that a
// command changed nothing.

#include "MainWindowFixture.h"

#include "catalogue/clsSiteProperties.h"

#include <QAbstractButton>
#include <QFile>

// The lines of a site file (Latin-1, each ended by CR LF); empty when missing.
inline QStringList siteFileLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

inline QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + "\r\n";
    return bytes;
}

inline std::array<QString*, 10> siteProperties(clsSiteProperties& p)
{
    return {&p.strCustomerName, &p.strCustomerContact, &p.strSiteDescription,
            &p.strAddress1,     &p.strAddress2,        &p.strGeneratedBy,
            &p.strDate,         &p.strContact,         &p.strEmail,
            &p.strPhone};
}

// Everything a reader or a command could change, one text per item: every
// field, list (selection and entries), option button, check box and label of
// the window, every cell of both grids, the settings, the site properties,
// the results, the site file's name, the caption and the saved flag.
inline QStringList windowState(frmMain& w, Module1& m)
{
    QStringList out;
    // The settings first: a read of the dialog's buttons loads it, and its
    // buttons are then among the window's children in both records.
    mainwindow::SystemSettingsLink& s = w.settingsLink();
    out << QStringLiteral("settings buttons %1%2%3%4%5%6%7")
               .arg(int(s.optGas()))
               .arg(int(s.optDiesel()))
               .arg(int(s.optUS()))
               .arg(int(s.optMetric()))
               .arg(int(s.optAmerican()))
               .arg(int(s.optInternational()))
               .arg(int(s.optCommercial()));
    if (m.objConfigureData)
        out << QStringLiteral("settings object %1 %2 %3")
                   .arg(int(m.objConfigureData->Data()))
                   .arg(int(m.objConfigureData->Units()))
                   .arg(int(m.objConfigureData->ComponentList()));
    out << "strComponentList " + m.strComponentList
        << QStringLiteral("units shown %1 %2").arg(int(m.blnUSUnitsShown)).arg(int(m.blnMetricUnitsShown))
        << QStringLiteral("grid metric %1").arg(int(w.currentGridMetric()));
    for (QLineEdit* f : w.findChildren<QLineEdit*>())
        out << "field " + f->objectName() + "=" + f->text();
    for (platform::ComboBox* c : w.findChildren<platform::ComboBox*>()) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        out << QStringLiteral("list %1=%2 [%3]").arg(c->objectName()).arg(c->currentIndex()).arg(items.join('|'));
    }
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        if (b->isCheckable())
            out << QStringLiteral("button %1=%2").arg(b->objectName()).arg(int(b->isChecked()));
    for (QLabel* l : w.findChildren<QLabel*>())
        out << "label " + l->objectName() + "=" + l->text();
    for (platform::FlexGrid* g : {w.ctl.flxCurrent, w.ctl.flxBaseLine})
        for (int r = 0; r < g->Rows(); ++r)
            for (int c = 0; c < g->Cols(); ++c)
                out << QStringLiteral("%1(%2,%3)=%4").arg(g->objectName()).arg(r).arg(c).arg(g->TextMatrix(r, c));
    if (m.objSiteProperties)
        for (QString* p : siteProperties(*m.objSiteProperties))
            out << "property " + *p;
    QStringList current, baseline;
    for (size_t n = 0; n < m.sngCurrentGPM.size(); ++n)
        current << QString::number(double(m.sngCurrentGPM[n]));
    for (size_t n = 0; n < m.sngBaselineGPM.size(); ++n)
        baseline << QString::number(double(m.sngBaselineGPM[n]));
    out << QStringLiteral("nozzles %1 %2").arg(m.intNozzlesEntered).arg(m.intPlotNozzles)
        << "current " + current.join(' ') << "baseline " + baseline.join(' ') << "strSiteFile " + m.strSiteFile
        << "caption " + w.windowTitle() << QStringLiteral("blnSaved %1").arg(int(m.blnSaved));
    return out;
}

// The items of two records that differ, for a readable failure.
inline QString stateDifference(const QStringList& before, const QStringList& after)
{
    if (before.size() != after.size())
        return QStringLiteral("%1 items before, %2 after").arg(before.size()).arg(after.size());
    QStringList out;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            out << before[i] + "  ->  " + after[i];
    return out.join('\n');
}

#define EXPECT_SAME_STATE(before, after)                                 \
    do {                                                                 \
        const QString difference_ = stateDifference(before, after);      \
        EXPECT_TRUE(difference_.isEmpty()) << difference_.toStdString(); \
    } while (0)
