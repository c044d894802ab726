#include "platform/qtboxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "platform/platform.h"

namespace Platform {

namespace {

BoxAnswerer answerer;

// The room a message box's frame and layout take beside its text, and the quotes and the
// punctuation around a path, with some to spare.
constexpr int BoxMargins = 80;

bool nobodyCanSeeBoxes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// The test's answer, if a test answers this box.
std::optional<BoxAnswer> answerFromTest(const Box& box)
{
    if (answerer)
        return answerer(box);
    if (nobodyCanSeeBoxes())
        qFatal("A modal box opened with nobody to answer it: \"%s\" (%s)", qPrintable(box.text),
               qPrintable(box.caption));
    return std::nullopt;
}

bool showButtonBox(const Box& box, QMessageBox::StandardButtons buttons)
{
    if (const std::optional<BoxAnswer> answer = answerFromTest(box))
        return answer->accepted;
    QMessageBox dialog(QMessageBox::NoIcon, box.caption, box.text, buttons);
    return dialog.exec() == (buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
}

} // namespace

void showMessage(const std::string& text)
{
    showButtonBox(
        Box{BoxKind::Message, QString::fromStdString(text), QString::fromUtf8(ApplicationTitle), {}, {}},
        QMessageBox::Ok);
}

bool askYesNo(const QString& text, const QString& caption)
{
    return showButtonBox(Box{BoxKind::YesNo, text, caption, {}, {}}, QMessageBox::Yes | QMessageBox::No);
}

QString askText(const QString& prompt, const QString& caption, const QString& defaultText, QPoint topLeft)
{
    const Box box{BoxKind::Input, prompt, caption, defaultText, topLeft};
    if (const std::optional<BoxAnswer> answer = answerFromTest(box))
        return answer->accepted ? answer->text : QString();
    QInputDialog dialog;
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.move(topLeft);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& offered,
                        const QString& fileTypes, const QString& defaultSuffix)
{
    const Box box{BoxKind::SaveFile, fileTypes, caption, offered, {}};
    if (const std::optional<BoxAnswer> answer = answerFromTest(box))
        return answer->accepted ? answer->text : QString();
    QFileDialog dialog(parent, caption, offered, fileTypes);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(offered);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QSize screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

QString fitForBox(const QString& path)
{
    // A message box wraps its text between words at half the screen's width, 500 pixels at most;
    // a path that narrow, less the box's margins, stays on one line inside it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    const int room = std::min(screenWidth / 2, 500) - BoxMargins;
    return QFontMetrics(QApplication::font("QMessageBox")).elidedText(path, Qt::ElideMiddle, room);
}

void setBoxAnswerer(BoxAnswerer newAnswerer) { answerer = std::move(newAnswerer); }

} // namespace Platform
