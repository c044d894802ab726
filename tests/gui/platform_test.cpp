// The platform on Qt: the real modal boxes as a person sees them, the test seam in front of them,
// the clock, the pause, the event pass, and map files read and written in the program folder.
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <thread>

#include "app/mapfileboxes.h"
#include "document/mapdocument.h"
#include "document/mapnames.h"
#include "guitest.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"
#include "storage/programfiles.h"

namespace {

constexpr const char* ShowUnansweredBox = "--show-unanswered-box";
constexpr int WatchdogMs = 10000;

// Lets the real box open, then hands it to `inspect` once it is up. Whatever happens there, the
// box is closed, and a watchdog closes any box left open, so the test never hangs.
void whenTheBoxOpens(std::function<void(QDialog&)> inspect)
{
    Platform::setBoxAnswerer([](const Platform::Box&) { return std::optional<Platform::BoxAnswer>(); });
    QTimer::singleShot(0, [inspect] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTest::qFail("no modal box opened", __FILE__, __LINE__);
            return;
        }
        inspect(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    QTimer::singleShot(WatchdogMs, [] {
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->close();
    });
}

QStringList buttonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (const QAbstractButton* button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { Platform::setBoxAnswerer({}); }

    void messageBoxCarriesTheApplicationTitle()
    {
        QString title, text;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::Warning;
        whenTheBoxOpens([&](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            title = box.windowTitle();
            text = box.text();
            buttons = buttonTexts(box);
            icon = box.icon();
            box.button(QMessageBox::Ok)->click();
        });
        Platform::showMessage("Attempted to load maze1.map.");
        QCOMPARE(title, QStringLiteral("Pathfinding Algorithm"));
        QCOMPARE(text, QStringLiteral("Attempted to load maze1.map."));
        QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void yesNoBoxAnswersYesOnlyForYes_data()
    {
        QTest::addColumn<int>("press");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("No") << int(QMessageBox::No) << false;
        QTest::newRow("closed") << int(QMessageBox::NoButton) << false;
    }

    void yesNoBoxAnswersYesOnlyForYes()
    {
        QFETCH(int, press);
        QFETCH(bool, answer);
        QString title, text;
        QStringList buttons;
        whenTheBoxOpens([&](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            title = box.windowTitle();
            text = box.text();
            buttons = buttonTexts(box);
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            if (press != QMessageBox::NoButton)
                box.button(QMessageBox::StandardButton(press))->click();
        });
        QCOMPARE(Platform::askYesNo(QStringLiteral("Are you sure you want to save this map?"),
                                    QStringLiteral("Save map?")),
                 answer);
        QCOMPARE(title, QStringLiteral("Save map?"));
        QCOMPARE(text, QStringLiteral("Are you sure you want to save this map?"));
        QCOMPARE(buttons, (QStringList{QStringLiteral("&No"), QStringLiteral("&Yes")}));
    }

    void inputBoxOpensWhereAskedAndReturnsTheTypedText_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("returned");
        QTest::newRow("OK") << true << QStringLiteral("maze1");
        QTest::newRow("Cancel") << false << QString();
    }

    void inputBoxOpensWhereAskedAndReturnsTheTypedText()
    {
        QFETCH(bool, accept);
        QFETCH(QString, returned);
        const QPoint topLeft(300, 200);
        QString title, prompt, shownDefault;
        QPoint position;
        whenTheBoxOpens([&](QDialog& dialog) {
            auto& box = static_cast<QInputDialog&>(dialog);
            title = box.windowTitle();
            prompt = box.labelText();
            shownDefault = box.textValue();
            position = box.pos();
            box.findChild<QLineEdit*>()->setText(QStringLiteral("maze1"));
            if (accept)
                box.accept();
            else
                box.reject();
        });
        const QString typed =
            Platform::askText(QStringLiteral("Enter a name for your map:"), QStringLiteral("Enter map name"),
                              QStringLiteral("x"), topLeft);
        QCOMPARE(typed, returned);
        QCOMPARE(title, QStringLiteral("Enter map name"));
        QCOMPARE(prompt, QStringLiteral("Enter a name for your map:"));
        QCOMPARE(shownDefault, QStringLiteral("x"));
        QCOMPARE(position, topLeft);
    }

    void testsAnswerBoxesInsteadOfAPerson()
    {
        GuiTest::ModalBoxes boxes;
        boxes.answerYes();
        boxes.answerText(QStringLiteral("rooms"));
        boxes.answerCancel();
        boxes.answerOk();
        QVERIFY(Platform::askYesNo(QStringLiteral("Sure?"), QStringLiteral("Save map?")));
        QCOMPARE(Platform::askText(QStringLiteral("Name:"), QStringLiteral("Enter map name"), {}, {640, 512}),
                 QStringLiteral("rooms"));
        QCOMPARE(Platform::askText(QStringLiteral("Name:"), QStringLiteral("Enter map name"), {}, {1, 2}),
                 QString());
        Platform::showMessage("Done.");
        QCOMPARE(boxes.shown().size(), std::size_t(4));
        QCOMPARE(boxes.shown()[1].position, QPoint(640, 512));
        QCOMPARE(boxes.shown()[3].caption, QStringLiteral("Pathfinding Algorithm"));
    }

    void anUnansweredBoxEndsTheProgramInsteadOfHanging()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ShowUnansweredBox)});
        QVERIFY(child.waitForFinished(WatchdogMs));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY2(child.readAllStandardError().contains("Nobody answers this"), "the box is named");
    }

    void clockPauseAndEventPass()
    {
        const std::uint32_t before = Platform::GetTickCount();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        // Whole milliseconds on both readings: the difference may lose up to one.
        QVERIFY(Platform::GetTickCount() - before >= 29);
        // The animation's pause is the one asked for, unless a watcher takes it.
        QCOMPARE(Platform::pauseBeforeStep(10), 10);
        int heard = 0;
        Platform::setPacingWatcher([&heard](Platform::Pacing, int milliseconds) { heard += milliseconds; });
        QCOMPARE(Platform::pauseBeforeStep(10), 0);
        Platform::setPacingWatcher({});
        QCOMPARE(heard, 10);

        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        Platform::processEvents();
        QVERIFY(ran);
    }

    void mapFilesReportFailuresWithTheFileAndTheReason()
    {
        GuiTest::ModalBoxes boxes;
        GuiTest::ProgramFolder folder;
        QCOMPARE(MapNames::shown(ProgramFiles::folder()), QFileInfo(folder.path(QStringLiteral("x"))).path());
        MapDocument document;
        QVERIFY(MapFileBoxes::load(document, ProgramFiles::path("blankmap.map")));
        QVERIFY(MapFileBoxes::save(document, ProgramFiles::path("copy.map")));
        QVERIFY(QFileInfo::exists(folder.path(QStringLiteral("copy.map"))));
        QCOMPARE(boxes.shown().size(), std::size_t(0));

        const QString nowhere = folder.path(QStringLiteral("no such folder/copy.map"));
        boxes.answerOk();
        QVERIFY(!MapFileBoxes::save(document, nowhere));
        QCOMPARE(boxes.shown().size(), std::size_t(1));
        // The temporary folder's random letters may make the path too wide for a box.
        QCOMPARE(boxes.shown()[0].text,
                 QStringLiteral("Could not save the map \"%1\": No such file or directory.")
                     .arg(Platform::fitForBox(nowhere)));
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], ShowUnansweredBox) == 0) {
        Platform::showMessage("Nobody answers this");
        return 0;
    }
    PlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "platform_test.moc"
