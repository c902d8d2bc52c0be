#include "FakeUiServices.h"

#include <QDialog>
#include <QPrinter>

using namespace platform;

FakeUiServices::FakeUiServices() { installUi(this); }

FakeUiServices::~FakeUiServices() { installUi(nullptr); }

std::vector<QString> FakeUiServices::texts() const
{
    std::vector<QString> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

MsgResult FakeUiServices::messageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon)
{
    messages.push_back({text, caption, buttons, icon});
    if (onMessage)
        onMessage(messages.back());
    if (buttons == MsgButtons::OK)
        return MsgResult::OK;
    if (!answers.empty()) {
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    return buttons == MsgButtons::OKCancel ? MsgResult::OK : MsgResult::Yes;
}

std::optional<QString> FakeUiServices::nextFileAnswer()
{
    if (fileAnswers.empty())
        return std::nullopt;
    const std::optional<QString>& next = fileAnswers.front();
    const bool chosen = next.has_value();
    const QString path = next.value_or(QString());
    fileAnswers.pop_front();
    return chosen ? std::optional<QString>(path) : std::nullopt;
}

std::optional<QString> FakeUiServices::openFileName(const FileDialogRequest& request)
{
    openRequests.push_back(request);
    return nextFileAnswer();
}

std::optional<QString> FakeUiServices::saveFileName(const FileDialogRequest& request)
{
    saveRequests.push_back(request);
    return nextFileAnswer();
}

bool FakeUiServices::printerDialog(QPrinter& printer)
{
    if (printerAnswers.empty())
        return false;
    const bool r = printerAnswers.front();
    printerAnswers.pop_front();
    if (r) {
        // A test never reaches a real printer: what it prints goes to a PDF
        // file of its own.
        const QString file = printFile.isEmpty() ? m_printDir.filePath(QStringLiteral("print.pdf")) : printFile;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setCopyCount(printCopies);
        printer.setCollateCopies(printCollate);
        printer.setPageOrder(printReverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
        printedFiles.push_back(file);
    }
    return r;
}

int FakeUiServices::showModal(QDialog& dialog)
{
    ++modalCount;
    return onModal ? onModal(dialog) : int(QDialog::Rejected);
}

void FakeUiServices::setPointer(Pointer pointer) { pointers.push_back(pointer); }

void FakeUiServices::showHelp(const QString& helpFile, const QString& topic) { helps.push_back({helpFile, topic}); }

void FakeUiServices::endApplication(int code)
{
    ended = true;
    exitCode = code;
}
