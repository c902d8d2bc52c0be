#pragma once
#include "UiServices.h"

namespace platform {

// The production services, on Qt Widgets.
class QtUiServices : public UiServices {
public:
    // What a title bar takes beside its title, in pixels: the window's icon
    // and three buttons, about 32 pixels each, and its margins. A message
    // box is at least the width of its title in the application font and this.
    static constexpr int kTitleBarAllowance = 160;

    MsgResult messageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    bool printerDialog(QPrinter& printer) override;
    int showModal(QDialog& dialog) override;
    void setPointer(Pointer pointer) override;
    void showHelp(const QString& helpFile, const QString& topic) override;
    void beep() override;
    void endApplication(int exitCode) override;

private:
    bool m_hourglass = false;
};

} // namespace platform
