// The map picture out of the program (Ctrl+C, Ctrl+E) and the help window (F1).
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImageReader>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/helpwindow.h"
#include "app/mapcanvas.h"
#include "app/windowkeys.h"
#include "guitest.h"
#include "platform/qtboxes.h"

using GuiTest::pressKey;

namespace {

// The picture as its pixels, whatever format it was read back in.
QImage pixelsOf(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }

} // namespace

class PictureOutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;
    std::unique_ptr<GuiTest::ModalBoxes> boxes;
    QTemporaryDir folder;

  private slots:
    void init()
    {
        boxes = std::make_unique<GuiTest::ModalBoxes>();
        window = GuiTest::startProgram();
        QVERIFY(GuiTest::activate(*window));
        // A picture with rings, route and walls in it.
        window->Check3->setChecked(true);
        GuiTest::search(*window);
    }
    void cleanup()
    {
        window.reset();
        boxes.reset();
    }

    void copyPutsThePictureOnTheClipboard()
    {
        pressKey(*window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(pixelsOf(QApplication::clipboard()->image()), pixelsOf(window->Picture1->image()));
    }

    void savedPngHoldsThePictureAsPainted()
    {
        const QString path = folder.filePath(QStringLiteral("rings.png"));
        boxes->answerFile(path);
        pressKey(*window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(boxes->shown().front().kind, Platform::BoxKind::SaveFile);
        QImageReader file(path);
        QCOMPARE(file.format(), QByteArray("png"));
        QCOMPARE(pixelsOf(file.read()), pixelsOf(window->Picture1->image()));
    }

    void failedSaveShowsABoxNamingTheFileAndWhy()
    {
        const QString path = folder.filePath(QStringLiteral("no such folder/rings.png"));
        boxes->answerFile(path);
        boxes->answerOk();
        pressKey(*window, Qt::Key_E, Qt::ControlModifier);
        const QString text = boxes->shown().back().text;
        const QString shown = Platform::fitForBox(path); // the temporary folder's name may not fit
        QVERIFY2(text.startsWith(QStringLiteral("Could not save the picture \"%1\": ").arg(shown)),
                 qPrintable(text));
        QVERIFY2(text.length() > QStringLiteral("Could not save the picture \"%1\": .").arg(shown).length(),
                 qPrintable(text));
        QVERIFY(!QFile::exists(path));
    }

    // One help window, however often F1 is pressed; it blocks nothing, Esc closes it, and every
    // text in it has the room it needs on the screen.
    void helpOpensOnceAndClosesWithEscape()
    {
        for (int press = 0; press < 2; ++press) {
            QVERIFY(GuiTest::activate(*window));
            pressKey(*window, Qt::Key_F1);
            const QList<HelpWindow*> helps = window->findChildren<HelpWindow*>();
            QCOMPARE(helps.size(), 1);
            HelpWindow& help = *helps.front();
            QTRY_VERIFY(help.isActiveWindow());
            QVERIFY(!help.isModal() && QApplication::activeModalWidget() == nullptr);
            QVERIFY(window->screen()->availableGeometry().contains(help.frameGeometry()));
            // The page wraps its text to the window, swatches and key table included.
            const auto* page = help.findChild<QTextBrowser*>();
            QVERIFY(page);
            QCOMPARE(page->horizontalScrollBar()->maximum(), 0);
            for (const WindowKey& key : windowKeys())
                QVERIFY2(page->toPlainText().contains(QString::fromUtf8(key.does)), key.does);
            QTest::keyClick(&help, Qt::Key_Escape);
            QVERIFY(!help.isVisible());
        }
    }
};

QTEST_MAIN(PictureOutTest)
#include "pictureout_test.moc"
