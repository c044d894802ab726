// The delay modes pace the result animation; "Quit" and closing the window end the program at once,
// with status 0, also in the middle of an animation. Quitting is watched from outside: this test
// starts a copy of itself that runs the program and quits it.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "document/mapdocument.h"
#include "guitest.h"
#include "pacinglog.h"

using namespace Routeseer;

namespace {

// The pauses of a search with rings and route on the default map: every queue index, then the
// 83 squares of the route.
constexpr int AnimationPauses = NodeQueueSize + 83;

// How the copy of this test ends the program, given as its one argument.
constexpr const char* QuitWhileIdle = "--quit-while-idle";
constexpr const char* QuitDuringAnimation = "--quit-during-animation";
constexpr const char* CloseDuringAnimation = "--close-during-animation";

// Long enough for the copy to be well into its "Very Slow" animation, which would take 100 s.
constexpr int QuitAfterMs = 300;
constexpr int ChildDeadlineMs = 20000;

void say(const char* text)
{
    std::fputs(text, stderr);
    std::fputc('\n', stderr);
}

// The program, run by the copy: "Very Slow" with rings, then the given way out during the search.
int runAndQuit(const char* how)
{
    GuiTest::ModalBoxes boxes;
    auto window = GuiTest::startProgram();
    auto leave = [&window, how] {
        say("leaving");
        if (std::strcmp(how, CloseDuringAnimation) == 0)
            window->close();
        else
            window->Quit->trigger();
    };
    if (std::strcmp(how, QuitWhileIdle) == 0) {
        QTimer::singleShot(0, leave);
        return QApplication::exec();
    }
    window->tectonic->trigger();
    window->Check3->setChecked(true);
    QTimer::singleShot(QuitAfterMs, leave);
    window->Command1_Click();
    const int status = QApplication::exec();
    // Ended where it stood: no step of it runs once the program ends.
    if (!window->document().animations().running())
        say("the animation finished");
    return status;
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;

    // One search with rings and route; the pauses it made.
    std::vector<int> animate(GuiTest::PacingLog& pacing)
    {
        window->Check3->setChecked(true);
        pacing.clear();
        GuiTest::search(*window);
        return pacing.pauses();
    }

  private slots:
    void init() { window = GuiTest::startProgram(); }
    void cleanup() { window.reset(); }

    void delayModesSetThePauseAfterEveryStep_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("pause");
        QTest::newRow("at start") << QString() << 0;
        QTest::newRow("Very Slow") << QStringLiteral("tectonic") << 10;
        QTest::newRow("Medium") << QStringLiteral("Slow") << 5;
        QTest::newRow("Very Slow, then Normal") << QStringLiteral("tectonic normal") << 0;
    }

    void delayModesSetThePauseAfterEveryStep()
    {
        QFETCH(QString, item);
        QFETCH(int, pause);
        GuiTest::PacingLog pacing;
        for (const QString& name : item.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            window->findChild<QAction*>(name)->trigger();

        const std::vector<int> pauses = animate(pacing);

        QCOMPARE(int(pauses.size()), AnimationPauses);
        QCOMPARE(std::count(pauses.begin(), pauses.end(), pause), std::ptrdiff_t(AnimationPauses));
        QVERIFY(pacing.passBeforeEveryPause());
        for (const QAction* mode : {window->normal, window->Slow, window->tectonic})
            QVERIFY(!mode->isChecked());
    }

    void delayChosenDuringTheAnimationAppliesFromTheNextPause()
    {
        GuiTest::PacingLog pacing;
        constexpr std::size_t ChosenAt = 500;
        pacing.atPause(ChosenAt, [this] { window->tectonic->trigger(); });

        const std::vector<int> pauses = animate(pacing);

        QCOMPARE(int(pauses.size()), AnimationPauses);
        QCOMPARE(std::count(pauses.begin(), pauses.begin() + ChosenAt + 1, 0), std::ptrdiff_t(ChosenAt + 1));
        QCOMPARE(std::count(pauses.begin() + ChosenAt + 1, pauses.end(), 10),
                 std::ptrdiff_t(AnimationPauses - ChosenAt - 1));
    }

    void quitAndCloseEndTheProgramAtOnceWithStatusZero_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Quit while idle") << QString::fromLatin1(QuitWhileIdle);
        QTest::newRow("Quit during a Very Slow animation") << QString::fromLatin1(QuitDuringAnimation);
        QTest::newRow("window closed during a Very Slow animation")
            << QString::fromLatin1(CloseDuringAnimation);
    }

    void quitAndCloseEndTheProgramAtOnceWithStatusZero()
    {
        QFETCH(QString, how);
        QProcess copy;
        QElapsedTimer clock;
        clock.start();
        copy.start(QCoreApplication::applicationFilePath(), {how});
        QVERIFY(copy.waitForFinished(ChildDeadlineMs));
        const QByteArray said = copy.readAllStandardError();
        QVERIFY2(copy.exitStatus() == QProcess::NormalExit, said.constData());
        QCOMPARE(copy.exitCode(), 0);
        QVERIFY2(said.contains("leaving"), said.constData());
        QVERIFY2(!said.contains("finished"), said.constData());
        // Far less than the 100 s that the animation would take.
        QVERIFY(clock.elapsed() < ChildDeadlineMs / 2);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    for (const char* how : {QuitWhileIdle, QuitDuringAnimation, CloseDuringAnimation})
        if (argc == 2 && std::strcmp(argv[1], how) == 0)
            return runAndQuit(how);
    OptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "options_test.moc"
