#pragma once
// The small routines every part of the program calls.

#include <QString>
#include <cstdint>
#include <functional>

class Module1;

// The caption of every numbered message and of boxes that name none of their own.
inline const QString kAppTitle = QStringLiteral("Tandril Software");

// The text of message 1 to 33; "" for any other code.
QString MessageText(uint8_t code);
// Shows message 1 to 33 (OK, application title; 10 with the exclamation
// icon). Any other code shows nothing.
void ShowMessage(uint8_t code);
// Shows a text of its own the same way: OK, application title, no icon.
void ShowText(const QString& text);

// Opens a topic of the compiled help file, or message 32 when it is missing.
void ShowHelpTopic(const QString& helpFile, const QString& topic);
// The program's help file: the program folder and "TDRHelpFile.chm".
QString HelpFilePath(const Module1& m);

// A round value-axis maximum for a chart whose largest value is v.
int16_t GetAxisMaximum(float v);

// Waits t milliseconds while window messages are processed.
void Pause(float t);

// Releases the eleven data objects.
void ReleaseDataObjects(Module1& m);

// Runs code that may end the program (an initialisation). When it does, the
// data objects are released and the application ends through ui(); returns
// false then, true when the code ran to its end.
bool runOrEndProgram(Module1& m, const std::function<void()>& code);
