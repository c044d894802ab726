#include "guitest.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/appearance.h"
#include "app/mapcanvas.h"
#include "document/mapdocument.h"
#include "picture/mapgeometry.h"
#include "storage/programfiles.h"

namespace GuiTest {

using Platform::Box;
using Platform::BoxKind;

std::unique_ptr<Form1> createWindow()
{
    applyAppearance();
    return std::make_unique<Form1>();
}

std::unique_ptr<Form1> startProgram()
{
    auto window = createWindow();
    window->Form_Load();
    return window;
}

QRgb pixel(const Form1& window, int x, int y) { return window.Picture1->image().pixel(x, y) | 0xff000000u; }

std::optional<QRgb> insideColour(const Form1& window, int x, int y)
{
    const int left = MapView::CellSize * x + 1;
    const int top = MapView::CellSize * y + 1;
    const QRgb first = pixel(window, left, top);
    for (int dy = 0; dy < MapView::CellSize - 1; ++dy)
        for (int dx = 0; dx < MapView::CellSize - 1; ++dx)
            if (pixel(window, left + dx, top + dy) != first)
                return std::nullopt;
    return first;
}

void moveMouseOverMap(Form1& window, QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    QMouseEvent move(QEvent::MouseMove, at, window.Picture1->mapToGlobal(at), Qt::NoButton, buttons, keys);
    QCoreApplication::sendEvent(window.Picture1, &move);
}

QString unreadablePartOf(const Box& box)
{
    QMessageBox shown(QMessageBox::NoIcon, box.caption, box.text, QMessageBox::Ok);
    shown.show();
    const int screenWidth = shown.screen()->availableGeometry().width();
    if (shown.frameGeometry().width() > screenWidth)
        return QStringLiteral("the box is %1 pixels wide on a screen of %2")
            .arg(shown.frameGeometry().width())
            .arg(screenWidth);
    const auto* label = shown.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return QStringLiteral("the box has no text label");
    const QFontMetrics metrics(label->font());
    for (const QString& word : box.text.split(QLatin1Char(' ')))
        if (metrics.horizontalAdvance(word) > label->contentsRect().width())
            return QStringLiteral("\"%1\" is %2 pixels wide, the box's line %3")
                .arg(word)
                .arg(metrics.horizontalAdvance(word))
                .arg(label->contentsRect().width());
    return {};
}

void search(Form1& window)
{
    window.Command1_Click();
    untilAnimationsEnd(window);
}

void untilAnimationsEnd(Form1& window)
{
    AnimationControl& animations = window.document().animations();
    if (!animations.running())
        return;
    // The program's own event loop: each step follows the events posted before it, with no sleep.
    QEventLoop loop;
    QObject::connect(&animations, &AnimationControl::changed, &loop, [&] {
        if (!animations.running())
            loop.quit();
    });
    QTimer::singleShot(60000, &loop, [&] {
        QTest::qFail("the animation is still running after a minute", __FILE__, __LINE__);
        animations.finishAll();
    });
    loop.exec();
}

bool activate(Form1& window)
{
    window.show();
    window.activateWindow();
    // The window system's answer comes as an event; the window's keys follow the active window.
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

void pressKey(Form1& window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* focused = window.focusWidget();
    QTest::keyClick(focused ? focused : &window, key, modifiers);
}

QString describe(QRgb colour)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

QString describe(std::optional<QRgb> colour) { return colour ? describe(*colour) : QStringLiteral("mixed"); }

namespace {

const char* kindName(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Message:
        return "message box";
    case BoxKind::YesNo:
        return "Yes/No box";
    case BoxKind::Input:
        return "input box";
    case BoxKind::SaveFile:
        return "file dialog";
    }
    return "box";
}

} // namespace

ModalBoxes::ModalBoxes()
{
    Platform::setBoxAnswerer([this](const Box& box) { return std::optional(answer(box)); });
}

ModalBoxes::~ModalBoxes()
{
    Platform::setBoxAnswerer({});
    if (!answers.empty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("%1 answer(s) left for boxes that never opened; the next was "
                                               "for a %2")
                                    .arg(answers.size())
                                    .arg(QString::fromLatin1(kindName(answers.front().kind)))),
                     __FILE__, __LINE__);
}

void ModalBoxes::answerOk(WhileOpen whileOpen) { queue(BoxKind::Message, true, {}, std::move(whileOpen)); }
void ModalBoxes::answerYes(WhileOpen whileOpen) { queue(BoxKind::YesNo, true, {}, std::move(whileOpen)); }
void ModalBoxes::answerNo(WhileOpen whileOpen) { queue(BoxKind::YesNo, false, {}, std::move(whileOpen)); }

void ModalBoxes::answerText(const QString& typed, WhileOpen whileOpen)
{
    queue(BoxKind::Input, true, typed, std::move(whileOpen));
}

void ModalBoxes::answerCancel(WhileOpen whileOpen) { queue(BoxKind::Input, false, {}, std::move(whileOpen)); }

void ModalBoxes::answerFile(const QString& path, WhileOpen whileOpen)
{
    queue(BoxKind::SaveFile, !path.isEmpty(), path, std::move(whileOpen));
}

void ModalBoxes::queue(BoxKind kind, bool accepted, const QString& text, WhileOpen whileOpen)
{
    answers.push_back(Answer{kind, Platform::BoxAnswer{accepted, text}, std::move(whileOpen)});
}

Platform::BoxAnswer ModalBoxes::answer(const Box& box)
{
    boxes.push_back(box);
    const QString seen = QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(kindName(box.kind)), box.text);
    if (answers.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected %1").arg(seen)), __FILE__, __LINE__);
        return {};
    }
    Answer next = std::move(answers.front());
    answers.pop_front();
    if (next.kind != box.kind) {
        QTest::qFail(qPrintable(QStringLiteral("expected a %1, got a %2")
                                    .arg(QString::fromLatin1(kindName(next.kind)), seen)),
                     __FILE__, __LINE__);
        return {};
    }
    if (next.whileOpen)
        next.whileOpen(box);
    return next.answer;
}

ProgramFolder::ProgramFolder()
{
    const QDir bundled(QCoreApplication::applicationDirPath());
    for (const QString& map : bundled.entryList({QStringLiteral("*.map")}, QDir::Files))
        QFile::copy(bundled.filePath(map), folder.filePath(map));
    ProgramFiles::useFolder(QFile::encodeName(folder.path()).toStdString());
}

ProgramFolder::~ProgramFolder() { ProgramFiles::useFolder({}); }

QString ProgramFolder::path(const QString& fileName) const { return folder.filePath(fileName); }

} // namespace GuiTest
