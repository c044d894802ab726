// The modal boxes of the windowed program, and the seam through which tests answer them.
// Platform::showMessage (platform.h) goes through the same seam.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace Platform {

enum class BoxKind { Message, YesNo, Input, SaveFile };

// One box as a person would see it.
struct Box {
    BoxKind kind = BoxKind::Message;
    QString text;        // the message, the input box's prompt, or the file dialog's file types
    QString caption;     // the title bar
    QString defaultText; // input box: the text offered; file dialog: the file offered
    QPoint position;     // input box only: its top-left corner on the screen
};

// OK or Yes (with the typed text for an input box, the chosen file for a file dialog), or No or
// Cancel.
struct BoxAnswer {
    bool accepted = false;
    QString text;
};

// A box with Yes and No and no icon; true when the answer is Yes.
bool askYesNo(const QString& text, const QString& caption);

// A box with a prompt, a line to type in, OK and Cancel, its top-left corner at `topLeft` on the
// screen; the typed text, or an empty text when cancelled.
QString askText(const QString& prompt, const QString& caption, const QString& defaultText, QPoint topLeft);

// The platform's dialog for choosing a file to write, starting at `offered` (a full path) and
// showing `fileTypes` ("PNG pictures (*.png)"); the chosen file's full path, or an empty text when
// cancelled. A name typed without an ending gets `defaultSuffix`.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& offered,
                        const QString& fileTypes, const QString& defaultSuffix);

// The size of the screen the program runs on, in screen pixels.
QSize screenSize();

// A file's path or name as a box shows it: elided in the middle in the boxes' font when it is too
// wide to stay on one line of a box, so that the box stays within the screen.
QString fitForBox(const QString& path);

// Tests answer boxes here instead of a person: the answerer sees each box before it would open
// and returns the answer, or nothing to let the real box open. Empty to remove it. Without an
// answerer, a box on a platform that nobody can see ends the program at once, naming the box,
// so that a test which forgot one fails instead of hanging.
using BoxAnswerer = std::function<std::optional<BoxAnswer>(const Box&)>;
void setBoxAnswerer(BoxAnswerer answerer);

} // namespace Platform
