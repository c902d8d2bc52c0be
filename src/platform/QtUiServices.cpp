#include "QtUiServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QSpacerItem>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {
// Where a file dialog opens: the folder, with the proposed name when there is one.
QString startPath(const FileDialogRequest& request)
{
    // A name remembered from the last choice is a whole path: it holds its folder.
    if (QDir::isAbsolutePath(request.fileName))
        return request.fileName;
    return request.fileName.isEmpty() ? request.initDir : request.initDir + "/" + request.fileName;
}
} // namespace

namespace {
// A box or dialog is answered with the ordinary pointer, also while the
// command that opened it shows the hourglass.
class ArrowWhileOpen {
public:
    explicit ArrowWhileOpen(bool hourglass)
        : m_on(hourglass && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    {
        if (m_on)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileOpen()
    {
        if (m_on)
            QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileOpen(const ArrowWhileOpen&) = delete;
    ArrowWhileOpen& operator=(const ArrowWhileOpen&) = delete;

private:
    bool m_on;
};
} // namespace

namespace {
// A box is at least as wide as its title needs in the title bar. QMessageBox
// sizes itself for its text and leaves too little beside the title, which the
// window manager then cuts. The least width is a spacer across the box's grid,
// so the box still lays its text out itself: a long text wraps as it would,
// and a box already wide enough is unchanged. The grid is built anew by some
// setters, so this comes after the last of them. A title wider than half the
// screen is left to the window manager, rather than a box that wide.
void fitTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    int width =
        QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + QtUiServices::kTitleBarAllowance;
    if (const QScreen* screen = box.screen())
        width = std::min(width, screen->availableGeometry().width() / 2);
    const QMargins margins = grid->contentsMargins();
    width -= margins.left() + margins.right();
    if (width > 0)
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}
} // namespace

MsgResult QtUiServices::messageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon)
{
    const ArrowWhileOpen arrow(m_hourglass);
    // Built by hand rather than with the static helpers, which add an icon of
    // their own: a box shows an icon only where the program asks for one.
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    fitTitle(box);
    const int r = box.exec();
    switch (r) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    default: break;
    }
    // The close box of a question counts as its Cancel (or No when there is none).
    if (buttons == MsgButtons::YesNo && r != QMessageBox::Yes)
        return MsgResult::No;
    if (buttons == MsgButtons::OKCancel && r != QMessageBox::Ok)
        return MsgResult::Cancel;
    return MsgResult::OK;
}

namespace {
// A file dialog lists every file its filter takes, those whose name begins
// with a dot included: a site file saved as ".txt" is one of them.
std::optional<QString> chooseFile(const FileDialogRequest& request, QFileDialog::AcceptMode accept,
                                  QFileDialog::FileMode mode, QFileDialog::Options options = {})
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, startPath(request), request.filter);
    dialog.setAcceptMode(accept);
    dialog.setFileMode(mode);
    dialog.setOptions(options);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()
        || dialog.selectedFiles().constFirst().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
} // namespace

std::optional<QString> QtUiServices::openFileName(const FileDialogRequest& request)
{
    return chooseFile(request, QFileDialog::AcceptOpen,
                      request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
}

std::optional<QString> QtUiServices::saveFileName(const FileDialogRequest& request)
{
    // The program asks its own question about a file that exists.
    return chooseFile(request, QFileDialog::AcceptSave, QFileDialog::AnyFile, QFileDialog::DontConfirmOverwrite);
}

namespace {
// Qt's own dialog (6.4, built with CUPS) shows its print range group as it
// opens even without the page range: a "Pages from ... to" range and an odd
// or even page set, which it does not give to the program but leaves on the
// printer as the print server's options, and which a print to a PDF file
// drops (Qt's PDF engine keeps no such options). The group is hidden once
// the dialog shows, so neither can be chosen.
class NoPrintRange : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* range = watched->findChild<QWidget*>(QStringLiteral("gbPrintRange")))
                range->hide();
        return false;
    }
};
} // namespace

bool QtUiServices::printerDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The print commands print their whole document: no page range,
    // selection or current page is offered. Copies, collation and reverse
    // order stay: the commands honour them on every printer and in a print
    // to a file, the copies made by a printer that makes them and drawn by
    // the program where it makes none. A page range or set that reached a
    // printer all the same would be applied by the commands, by the pages'
    // numbers, and taken from the print server's options.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    NoPrintRange noRange;
    dialog.installEventFilter(&noRange);
    // The print commands show the hourglass before they ask for the printer.
    const ArrowWhileOpen arrow(m_hourglass);
    return dialog.exec() == QDialog::Accepted;
}

int QtUiServices::showModal(QDialog& dialog)
{
    dialog.setModal(true);
    return dialog.exec();
}

void QtUiServices::setPointer(Pointer pointer)
{
    // Kept at depth one: the program sets the hourglass and the default, it
    // never nests them.
    const bool want = pointer == Pointer::Hourglass;
    if (want == m_hourglass)
        return;
    m_hourglass = want;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (want)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtUiServices::showHelp(const QString& helpFile, const QString& topic)
{
    // A compiled-help viewer, where one is installed; the caller goes on at once.
    const QString viewer = QStandardPaths::findExecutable("xchm");
    if (!viewer.isEmpty())
        QProcess::startDetached(viewer, {helpFile + "::/" + QString(topic).replace('\\', '/')});
}

void QtUiServices::beep() { QApplication::beep(); }

void QtUiServices::endApplication(int exitCode)
{
    // No closing handler may run: leave at once.
    std::exit(exitCode);
}

} // namespace platform
