#pragma once
// Scripted UI services for tests: answers questions and file dialogs from
// queues, records every call, and never shows anything.

#include "platform/UiServices.h"

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class FakeUiServices : public platform::UiServices {
public:
    struct Message {
        QString text;
        QString caption;
        platform::MsgButtons buttons;
        platform::MsgIcon icon;
    };
    struct Help {
        QString file;
        QString topic;
    };

    // Installs itself for the lifetime of the object.
    FakeUiServices();
    ~FakeUiServices() override;

    // --- the script ---
    std::deque<platform::MsgResult> answers;        // next answers to questions; OK/Yes when empty
    std::deque<std::optional<QString>> fileAnswers; // next file-dialog answers; cancel when empty
    std::deque<bool> printerAnswers;                // next printer-dialog answers; cancel when empty
    // Where a printer dialog answered yes sends the print: a PDF file; empty:
    // "print.pdf" in a folder of the fake's own.
    QString printFile;
    // What a printer dialog answered yes sets, as a user does in its options
    // (Qt's defaults: one copy, collated, first page first).
    int printCopies = 1;
    bool printCollate = true;
    bool printReverse = false;
    // Called for each modal dialog; returns its result. Default: Rejected.
    std::function<int(QDialog&)> onModal;
    // Called for each message box as it is shown, before it is answered.
    std::function<void(const Message&)> onMessage;

    // --- the record ---
    std::vector<Message> messages;
    std::vector<platform::FileDialogRequest> openRequests;
    std::vector<platform::FileDialogRequest> saveRequests;
    std::vector<Help> helps;
    std::vector<platform::Pointer> pointers;
    std::vector<QString> printedFiles; // the PDF file of each printer dialog answered yes
    int modalCount = 0;
    int beeps = 0;
    bool ended = false;
    int exitCode = 0;

    // Texts of the messages shown, in order.
    std::vector<QString> texts() const;
    bool hourglass() const { return !pointers.empty() && pointers.back() == platform::Pointer::Hourglass; }

    platform::MsgResult messageBox(const QString& text, const QString& caption, platform::MsgButtons buttons,
                                   platform::MsgIcon icon) override;
    std::optional<QString> openFileName(const platform::FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const platform::FileDialogRequest& request) override;
    bool printerDialog(QPrinter& printer) override;
    int showModal(QDialog& dialog) override;
    void setPointer(platform::Pointer pointer) override;
    void showHelp(const QString& helpFile, const QString& topic) override;
    void beep() override { ++beeps; }
    void endApplication(int code) override;

private:
    // The next file-dialog answer of the script (cancel when none is left).
    std::optional<QString> nextFileAnswer();
    QTemporaryDir m_printDir;
};
