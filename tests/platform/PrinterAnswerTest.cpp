// The test services' printer dialog sends every print to a PDF file, so no
// test can reach a real printer.
#include "FakeUiServices.h"
#include "TestFolder.h"

#include "platform/QtUiServices.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
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

// The program's own printer dialog offers only what the print commands do:
// they print their whole document, so there is no page range, selection or
// current page to choose, on the options' full panel either. The dialog is
// looked at and cancelled; the printer it was given prints to a file, so
// nothing can reach a real printer.
TEST(PrinterAnswer, TheDialogOffersNoPartOfTheDocument)
{
    TestFolder dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.file("never.pdf"));

    bool seen = false;
    QAbstractPrintDialog::PrintDialogOptions options;
    QStringList offered; // choices of a part of the document the user could make
    QTimer look;
    look.setInterval(10);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintDialog*>(w);
            if (!dialog || !dialog->isVisible() || seen)
                continue;
            seen = true;
            options = dialog->options();
            // The full panel, as "Options >>" opens it.
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text().remove('&').startsWith("Options"))
                    button->click();
            QApplication::processEvents();
            for (QRadioButton* choice : dialog->findChildren<QRadioButton*>()) {
                const QString text = choice->text().remove('&');
                if ((text.startsWith("Pages") || text == "Selection" || text == "Current Page")
                    && choice->isVisibleTo(dialog) && choice->isEnabled())
                    offered << text;
            }
            dialog->reject();
        }
    });
    look.start();
    platform::QtUiServices services;
    EXPECT_FALSE(services.printerDialog(printer)) << "cancelled";
    look.stop();

    ASSERT_TRUE(seen);
    EXPECT_FALSE(options.testFlag(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(options.testFlag(QAbstractPrintDialog::PrintSelection));
    EXPECT_FALSE(options.testFlag(QAbstractPrintDialog::PrintCurrentPage));
    EXPECT_TRUE(options.testFlag(QAbstractPrintDialog::PrintToFile)) << "a PDF file stays on offer";
    EXPECT_TRUE(offered.isEmpty()) << offered.join(", ").toStdString();
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    EXPECT_FALSE(QFile::exists(dir.file("never.pdf")));
}
