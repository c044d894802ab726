// What every window test needs: the program started as main() starts it, the map picture's
// pixels, a program folder of the test's own, and answers to the modal boxes handlers open.
#pragma once

#include <QPointF>
#include <QRgb>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/form1.h"
#include "platform/qtboxes.h"

namespace GuiTest {

// The window as main() makes it, with the application's style and font, not yet loaded.
std::unique_ptr<Form1> createWindow();
// The window as the program starts: created, then Form_Load.
std::unique_ptr<Form1> startProgram();

// A pixel of the map picture, in picture coordinates.
QRgb pixel(const Form1& window, int x, int y);
// The colour filling the inside of square (x, y), or nothing when its 16 pixels differ.
std::optional<QRgb> insideColour(const Form1& window, int x, int y);
// A pointer move over the map picture as the window system delivers it: the position in picture
// pixels (outside 0..500 too, as while a button is held), with these buttons and keys held.
void moveMouseOverMap(Form1& window, QPointF at, Qt::MouseButtons buttons = Qt::NoButton,
                      Qt::KeyboardModifiers keys = Qt::NoModifier);

// Shows a message box with the box's text and caption as the program shows it, and says what of
// it a person could not read: the box wider than the screen, or a word of its text (a path has
// no spaces) wider than the box's line. An empty text when everything fits.
QString unreadablePartOf(const Platform::Box& box);

// "Pathfind!" as a click runs it, and the event loop until its animation and every other has ended,
// as the program runs between two steps. An animation still running after a minute fails the test
// and is finished, so a test that forgot to let a paused one go does not hang.
void search(Form1& window);
void untilAnimationsEnd(Form1& window);

// The window made the active one, as a person's click on it would, so its keys work.
bool activate(Form1& window);
// A key pressed and let go as the window system delivers it: to the control with the focus, or to
// the window when none has it; the window's shortcuts see it first.
void pressKey(Form1& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// "rgb(0, 100, 0)", for failure messages.
QString describe(QRgb colour);
QString describe(std::optional<QRgb> colour);

// Answers the modal boxes that open while it lives, in the order the answers were queued. A box
// that opens with no answer queued, or of another kind than expected, fails the test at once and
// is declined; an answer still queued at the end fails it too.
class ModalBoxes {
  public:
    using WhileOpen = std::function<void(const Platform::Box&)>;

    ModalBoxes();
    ~ModalBoxes();
    ModalBoxes(const ModalBoxes&) = delete;
    ModalBoxes& operator=(const ModalBoxes&) = delete;

    // `whileOpen` runs while the box is open, to look at the window behind it.
    void answerOk(WhileOpen whileOpen = {});
    void answerYes(WhileOpen whileOpen = {});
    void answerNo(WhileOpen whileOpen = {});
    void answerText(const QString& typed, WhileOpen whileOpen = {});
    void answerCancel(WhileOpen whileOpen = {});
    // A file dialog: the file chosen, or Cancel with an empty path.
    void answerFile(const QString& path, WhileOpen whileOpen = {});

    // Every box that opened, in order.
    const std::vector<Platform::Box>& shown() const { return boxes; }

  private:
    struct Answer {
        Platform::BoxKind kind;
        Platform::BoxAnswer answer;
        WhileOpen whileOpen;
    };
    void queue(Platform::BoxKind kind, bool accepted, const QString& text, WhileOpen whileOpen);
    Platform::BoxAnswer answer(const Platform::Box& box);

    std::deque<Answer> answers;
    std::vector<Platform::Box> boxes;
};

// A program folder of the test's own, holding copies of the bundled maps, for as long as it lives.
class ProgramFolder {
  public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString path(const QString& fileName) const;

  private:
    QTemporaryDir folder;
};

} // namespace GuiTest
