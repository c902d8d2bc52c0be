#pragma once
// The one seam between the program and the desktop: message boxes, questions,
// file and printer dialogs, modal showing, the hourglass, the help viewer and
// the end of the program. Production installs QtUiServices; tests install a
// scripted fake that answers from a script and records every call.

#include <QString>
#include <exception>
#include <optional>

class QDialog;
class QPrinter;

namespace platform {

enum class MsgIcon { None, Exclamation, Question, Information, Critical };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgResult { OK, Cancel, Yes, No };

struct FileDialogRequest {
    QString title;    // empty: the platform's default title
    QString initDir;  // folder the dialog opens in
    QString filter;   // e.g. "TDR Files(*.dat)"
    QString fileName; // proposed file name
    // An open dialog normally takes only a file that exists; false lets it
    // take a new name too (a file to be created later).
    bool mustExist = true;
};

// Mouse pointers the program uses.
enum class Pointer { Default = 0, Hourglass = 11 };

class UiServices {
public:
    virtual ~UiServices() = default;

    // A modal message box; returns the button pressed.
    virtual MsgResult messageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) = 0;
    // Open / Save dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;
    // The printer dialog, for a whole document (no page range, selection or
    // current page to choose): false when cancelled.
    virtual bool printerDialog(QPrinter& printer) = 0;
    // Shows a dialog modally and returns its result code (QDialog::Accepted ...).
    virtual int showModal(QDialog& dialog) = 0;
    // The screen's mouse pointer. One state, not a stack.
    virtual void setPointer(Pointer pointer) = 0;
    // Hands a compiled-help file and a topic path to a help viewer.
    virtual void showHelp(const QString& helpFile, const QString& topic) = 0;
    // The warning beep.
    virtual void beep() = 0;
    // Ends the application without running any closing handler.
    virtual void endApplication(int exitCode) = 0;
};

// The services in force. Until one is installed, a QtUiServices is created on
// first use.
UiServices& ui();
// Installs services (not owned); nullptr goes back to the default.
void installUi(UiServices* services);

// "The program ends": thrown after the message and the release of the data
// objects; caught by the handler that ran the initialisation, which then calls
// ui().endApplication(). Never let it cross a Qt slot or event loop.
class ProgramEnd : public std::exception {
public:
    explicit ProgramEnd(int code = 0) : m_code(code) {}
    int code() const { return m_code; }
    const char* what() const noexcept override { return "program ends"; }

private:
    int m_code;
};

[[noreturn]] void endProgram(int code = 0);

// Sets the hourglass for the lifetime of the guard and the default pointer
// afterwards, on every exit path.
class HourglassGuard {
public:
    HourglassGuard() { ui().setPointer(Pointer::Hourglass); }
    ~HourglassGuard() { ui().setPointer(Pointer::Default); }
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;
};

} // namespace platform
