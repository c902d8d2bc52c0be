#include "FakeUiServices.h"

#include <QDialog>

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

MsgResult FakeUiServices::messageBox(const QString& text, const QString& caption,
                                     MsgButtons buttons, MsgIcon icon)
{
    messages.push_back({text, caption, buttons, icon});
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
    std::optional<QString> r;
    if (!fileAnswers.empty()) {
        r.swap(fileAnswers.front());
        fileAnswers.pop_front();
    }
    return r;
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

bool FakeUiServices::printerDialog(QPrinter&)
{
    if (printerAnswers.empty())
        return false;
    const bool r = printerAnswers.front();
    printerAnswers.pop_front();
    return r;
}

int FakeUiServices::showModal(QDialog& dialog)
{
    ++modalCount;
    return onModal ? onModal(dialog) : int(QDialog::Rejected);
}

void FakeUiServices::setPointer(Pointer pointer) { pointers.push_back(pointer); }

void FakeUiServices::showHelp(const QString& helpFile, const QString& topic)
{
    helps.push_back({helpFile, topic});
}

void FakeUiServices::endApplication(int code)
{
    ended = true;
    exitCode = code;
}
