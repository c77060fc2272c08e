#pragma once
// What every fuzz target shares: one offscreen application per process in a
// temporary home, windows that start as the program starts them, and a data
// directory emptied after every input so nothing carries over between inputs.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <memory>

class MainWindow;
class QWidget;

namespace FuzzSupport {

// Sets up the environment and the application once; call from
// LLVMFuzzerInitialize.
void Initialize(int* argc, char*** argv);

// A window as the program builds it, without the release check; file
// dialogs answer "cancel".
std::unique_ptr<MainWindow> NewWindow();

// A window in the state of a new one: the process's one window, reset
// through TestSupport::resetWindow, or a new window once SetFreshWindows is
// on (the replay build compares the two). Valid until the next call or
// FinishInput.
MainWindow& InputWindow();

// Ends an input: keeps the window's pad for PadOfLastInput (see
// SetFreshWindows) and removes the files the program wrote.
void FinishInput();

// New windows instead of the reused one, for the replay's comparison. Once
// called, each input's pad is kept for PadOfLastInput.
void SetFreshWindows(bool fresh);

// The pad's text and bold runs as the last input left them, once
// SetFreshWindows was called.
QString PadOfLastInput();

// One hidden window made at the first call and kept for the process, for the
// targets that call the engine's member functions and need no fresh state.
MainWindow& EngineWindow();

// A dialog's switches and text fields by object name, as it was made: one
// dialog serves every input once they are put back before each.
struct ControlState
{
    QHash<QString, bool> checked;
    QHash<QString, QString> texts;
};
ControlState SavedControls(const QWidget& dialog);
// Puts the controls back with their signals blocked: the dialog acts on what
// the input sets next, not on the way back.
void RestoreControls(QWidget& dialog, const ControlState& state);

// Removes every file the program wrote under the data and config directories.
void WipeUserFiles();

// The input as text (invalid UTF-8 becomes replacement characters), cut into
// at most maxLines lines of at most maxLength characters each.
QStringList Lines(const uint8_t* data, size_t size, int maxLines = 24, int maxLength = 400);

// The input's first line, cut to at most maxLength characters.
QString FirstLine(const uint8_t* data, size_t size, int maxLength = 400);

// The input cut at its first two line breaks: the first line, the second
// (switches, for the targets that take them) and the bytes after them.
struct SplitInput
{
    QString first;
    QString second;
    QByteArray rest;
};
SplitInput Split(const uint8_t* data, size_t size);

// Writes the bytes to the path, making its directory; any failure aborts, as
// the target could not test what it means to.
QString WriteDataFile(const QString& path, QByteArrayView bytes);

// Lines that would block or act outside the process: the storage diagnostics
// (a modal box, files, a browser) and the words that close the window.
bool IsKeptOut(const QString& line);

// Types the line at the end of the pad and presses Enter, as a user does. A
// solve that runs past a fixed number of iterations cancels itself.
void SubmitLine(MainWindow& window, const QString& line);

// Types the text at the end of the pad without pressing Enter.
void TypeWithoutEnter(MainWindow& window, const QString& text);

} // namespace FuzzSupport
