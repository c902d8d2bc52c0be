// The test services' printer dialog sends every print to a PDF file, so no
// test can reach a real printer.
#include "FakeUiServices.h"
#include "TestFolder.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <gtest/gtest.h>

TEST(PrinterAnswer, YesPrintsToAPdfFileAndNoLeavesThePrinterAlone)
{
    FakeUiServices fake;
    fake.printerAnswers = {true, false};
    {
        QPrinter printer;
        ASSERT_TRUE(platform::ui().printerDialog(printer));
        EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
        ASSERT_EQ(fake.printedFiles.size(), 1u);
        EXPECT_EQ(printer.outputFileName(), fake.printedFiles[0]);
        QPainter painter;
        ASSERT_TRUE(painter.begin(&printer));
        painter.drawText(100, 100, QStringLiteral("page"));
        painter.end();
        EXPECT_TRUE(QFile(fake.printedFiles[0]).size() > 0);
    }
    QPrinter declined;
    declined.setOutputFileName(QString());
    const auto before = declined.outputFormat();
    EXPECT_FALSE(platform::ui().printerDialog(declined));
    EXPECT_EQ(declined.outputFormat(), before);
    EXPECT_EQ(fake.printedFiles.size(), 1u);
    EXPECT_FALSE(platform::ui().printerDialog(declined)) << "no answer left: cancel";
}

TEST(PrinterAnswer, ATestChoosesWhereThePdfGoes)
{
    TestFolder dir;
    FakeUiServices fake;
    fake.printFile = dir.file("report.pdf");
    fake.printerAnswers = {true};
    QPrinter printer;
    ASSERT_TRUE(platform::ui().printerDialog(printer));
    EXPECT_EQ(printer.outputFileName(), dir.file("report.pdf"));
}
