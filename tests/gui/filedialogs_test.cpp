// Saving the map under a typed name, the load list, and loading a map from it by double-click.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/mapcanvas.h"
#include "document/mapnames.h"
#include "guitest.h"
#include "picture/mapgeometry.h"
#include "storage/filewriter.h"
#include "storage/programfiles.h"

using GuiTest::describe;
using GuiTest::insideColour;
using MapView::cellCorner;
using namespace Routeseer;

namespace {

std::string bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QByteArray mapImage() { return {reinterpret_cast<const char*>(&MapGrid(0, 0)), qsizetype(MapFileBytes)}; }

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderContents(const GuiTest::ProgramFolder& folder)
{
    return QDir(folder.path({})).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QStringList listEntries(const Form1& window)
{
    QStringList entries;
    for (int row = 0; row < window.File1->count(); ++row)
        entries << window.File1->item(row)->text();
    return entries;
}

bool loadListShown(const Form1& window) { return window.File1->isVisible() && window.Command6->isVisible(); }

// A double-click at a place of the list, as the window system delivers it: press, release and a
// second press soon after.
void doubleClickList(Form1& window, QPoint inList)
{
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                       window.File1->viewport()->mapTo(&window, inList));
}

void doubleClickEntry(Form1& window, const QString& name)
{
    const QList<QListWidgetItem*> found = window.File1->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name + QStringLiteral(" is not in the list once")));
    window.File1->scrollToItem(found.front());
    doubleClickList(window, window.File1->visualItemRect(found.front()).center());
}

// Answers the confirmation with Yes and the input box with the name, so that "Save Map" saves.
void answerSaveAs(GuiTest::ModalBoxes& boxes, const QString& name)
{
    boxes.answerYes();
    boxes.answerText(name);
}

void saveAs(Form1& window, GuiTest::ModalBoxes& boxes, const QString& name)
{
    answerSaveAs(boxes, name);
    window.Save->trigger();
}

// What every test here starts from: the program started on a folder of its own, boxes answered.
struct Session {
    GuiTest::ModalBoxes boxes;
    GuiTest::ProgramFolder folder;
    std::unique_ptr<Form1> window = GuiTest::startProgram();
};

} // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    // ---- Saving

    void yesAndANameSaveTheMapIntoTheProgramFolder()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        MapGrid(40, 60).passable = Wall;
        MapGrid(41, 60).carried[3] = 7;

        saveAs(*window, boxes, QStringLiteral("maze1"));

        QCOMPARE(boxes.shown().size(), std::size_t(2));
        const Platform::Box& confirm = boxes.shown()[0];
        QCOMPARE(confirm.text, QStringLiteral("Are you sure you want to save this map?"));
        QCOMPARE(confirm.caption, QStringLiteral("Save map?"));
        const Platform::Box& input = boxes.shown()[1];
        QCOMPARE(input.text, QStringLiteral("Enter a name for your map:"));
        QCOMPARE(input.caption, QStringLiteral("Enter map name"));
        QCOMPARE(input.defaultText, QString());
        const QSize screen = Platform::screenSize();
        QCOMPARE(input.position, QPoint(screen.width() / 2, screen.height() / 2));

        const QByteArray saved = fileBytes(folder.path(QStringLiteral("maze1.map")));
        QCOMPARE(saved.size(), qsizetype(102010));
        QVERIFY(saved == mapImage());
    }

    void declinedOrBlankSavesWriteNothing_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("No") << false << false << QString();
        QTest::newRow("Cancel") << true << false << QString();
        QTest::newRow("empty") << true << true << QString();
        QTest::newRow("blank") << true << true << QStringLiteral("  \t ");
    }

    void declinedOrBlankSavesWriteNothing()
    {
        QFETCH(bool, confirmed);
        QFETCH(bool, typed);
        QFETCH(QString, name);
        Session session;
        auto& [boxes, folder, window] = session;
        const QStringList before = folderContents(folder);

        if (!confirmed)
            boxes.answerNo();
        else if (!typed) {
            boxes.answerYes();
            boxes.answerCancel();
        } else {
            boxes.answerYes();
            boxes.answerText(name);
        }
        window->Save->trigger();

        QCOMPARE(folderContents(folder), before);
    }

    void unsafeNamesAreRefusedWithABox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reason");
        const QString separator = QStringLiteral("a map name cannot hold \"/\" or \"\\\"");
        const QString control = QStringLiteral("a map name cannot hold control characters");
        const QString dots = QStringLiteral("\".\" and \"..\" name folders, not maps");
        QTest::newRow("up a folder") << QStringLiteral("../x") << QStringLiteral("../x") << separator;
        QTest::newRow("into a folder") << QStringLiteral("a/b") << QStringLiteral("a/b") << separator;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("a\\b") << separator;
        QTest::newRow("tab") << QStringLiteral("my\tmap") << QStringLiteral("my\uFFFDmap") << control;
        QTest::newRow("bell") << QStringLiteral("map\a") << QStringLiteral("map\uFFFD") << control;
        QTest::newRow("delete") << QStringLiteral("map\x7f") << QStringLiteral("map\uFFFD") << control;
        QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral(".") << dots;
        QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("..") << dots;
    }

    void unsafeNamesAreRefusedWithABox()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        Session session;
        auto& [boxes, folder, window] = session;
        const QStringList before = folderContents(folder);
        const bool escapedBefore = QFile::exists(folder.path(QStringLiteral("../x.map")));

        answerSaveAs(boxes, name);
        boxes.answerOk();
        window->Save->trigger();

        QCOMPARE(boxes.shown().size(), std::size_t(3));
        QCOMPARE(boxes.shown()[2].text,
                 QStringLiteral("The map was not saved under the name \"%1\": %2.").arg(shown, reason));
        QCOMPARE(folderContents(folder), before);
        QCOMPARE(QFile::exists(folder.path(QStringLiteral("../x.map"))), escapedBefore);
    }

    // Names as the user types them: each either saves NAME.map and shows nothing more, or shows a
    // box that names it and says why, whole on the screen, with the map and the folder as they were.
    void typedNamesAsTheUserSeesThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("inTheWay");
        QTest::addColumn<QStringList>("boxSays"); // pieces of the box's text; no box when empty
        const auto longest = ::pathconf(QFile::encodeName(QDir::tempPath()).constData(), _PC_NAME_MAX);
        const QString tooLong =
            QStringLiteral("the name is too long: with \".map\" it takes 304 bytes, and a "
                           "file name here may take at most %1.")
                .arg(longest);
        const QString start = QStringLiteral("The map was not saved under the name \"");
        const QString ellipsis(QChar(0x2026));
        QTest::newRow("300 letters") << QString(300, QLatin1Char('a')) << QString()
                                     << QStringList{start + QStringLiteral("aaa"), ellipsis, tooLong};
        QTest::newRow("100 letters of 3 bytes") << QString(100, QChar(0x5730)) << QString()
                                                << QStringList{start + QChar(0x5730), ellipsis, tooLong};
        QTest::newRow("longest name") << QString(longest - 4, QLatin1Char('b')) << QString() << QStringList();
        QTest::newRow("non-ASCII") << QStringLiteral("Stra\u00dfe \u5730\u56fe") << QString()
                                   << QStringList();
        QTest::newRow("FIFO in the way")
            << QString(200, QLatin1Char('c')) << QStringLiteral("FIFO")
            << QStringList{QStringLiteral("Could not save the map \"/"), ellipsis,
                           QStringLiteral("ccc.map\": it is a named pipe (FIFO), not a map file.")};
    }

    void typedNamesAsTheUserSeesThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, inTheWay);
        QFETCH(QStringList, boxSays);
        Session session;
        auto& [boxes, folder, window] = session;
        const QString file = folder.path(name + QStringLiteral(".map"));
        if (inTheWay == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        const QStringList before = folderContents(folder);
        MapGrid(33, 44).passable = Wall;
        const QByteArray map = mapImage();

        answerSaveAs(boxes, name);
        if (!boxSays.isEmpty())
            boxes.answerOk();
        window->Save->trigger();

        QVERIFY(mapImage() == map);
        if (boxSays.isEmpty()) {
            QCOMPARE(boxes.shown().size(), std::size_t(2));
            QVERIFY(fileBytes(file) == map);
            QStringList withSaved = before;
            withSaved << QFileInfo(file).fileName();
            QStringList after = folderContents(folder);
            after.sort();
            withSaved.sort();
            QCOMPARE(after, withSaved);
            return;
        }
        QCOMPARE(boxes.shown().size(), std::size_t(3));
        const Platform::Box& box = boxes.shown()[2];
        for (const QString& piece : boxSays)
            QVERIFY2(box.text.contains(piece), qPrintable(box.text + QStringLiteral(" lacks ") + piece));
        const QString unreadable = GuiTest::unreadablePartOf(box);
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable));
        QCOMPARE(folderContents(folder), before);
        QVERIFY(!QFileInfo(file).isFile()); // a FIFO in the way stays one
    }

    // Every reset reloads the default map, so saving under its name changes what comes back.
    void savingAsBlankmapChangesWhatAReloadBringsBack()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        MapGrid(50, 50).passable = Wall;
        saveAs(*window, boxes, QStringLiteral("blankmap"));
        MapGrid(50, 50).passable = Open;

        window->Form_Load();

        QCOMPARE(MapGrid(50, 50).passable, Wall);
        QCOMPARE(describe(insideColour(*window, 50, 50)), describe(MapView::WallColour));
    }

    void failedSaveNamesTheFileAndKeepsTheOldOne()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        const QString maze = folder.path(QStringLiteral("maze.map"));
        const QByteArray old = fileBytes(maze);
        QVERIFY(QFile::setPermissions(maze, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        MapGrid(50, 50).passable = Wall;

        answerSaveAs(boxes, QStringLiteral("maze"));
        boxes.answerOk();
        window->Save->trigger();

        QCOMPARE(boxes.shown().size(), std::size_t(3));
        QCOMPARE(boxes.shown()[2].text,
                 QStringLiteral("Could not save the map \"%1\": the file is read-only.").arg(maze));
        QVERIFY(fileBytes(maze) == old);
    }

    // ---- The load list

    void loadListShowsTheFolderMapsSortedAndRereadsThemOnOpening()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        QVERIFY(!loadListShown(*window));
        const QStringList samples{"blankmap.map", "diagonal.map", "maze.map", "rooms.map", "spiral.map"};

        window->Load->trigger();
        QVERIFY(loadListShown(*window));
        QCOMPARE(listEntries(*window), samples);

        QVERIFY(
            QFile::copy(folder.path(QStringLiteral("maze.map")), folder.path(QStringLiteral("Castle.map"))));
        QVERIFY(
            QFile::copy(folder.path(QStringLiteral("maze.map")), folder.path(QStringLiteral("notes.txt"))));
        QVERIFY(QDir(folder.path({})).mkdir(QStringLiteral("folder.map")));
        // Loading one of these would wait on a writer, read forever or fail: none is a map.
        QCOMPARE(::mkfifo(QFile::encodeName(folder.path(QStringLiteral("pipe.map"))).constData(), 0644), 0);
        QVERIFY(
            QFile::link(folder.path(QStringLiteral("pipe.map")), folder.path(QStringLiteral("tube.map"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.path(QStringLiteral("zero.map"))));
        QVERIFY(QFile::link(folder.path(QStringLiteral("none")), folder.path(QStringLiteral("gone.map"))));
        QCOMPARE(listEntries(*window), samples);
        QTest::mouseClick(window->Command6, Qt::LeftButton);
        QVERIFY(!loadListShown(*window));
        window->Load->trigger();
        QStringList withCastle = samples;
        withCastle.insert(1, QStringLiteral("Castle.map"));
        QCOMPARE(listEntries(*window), withCastle);
    }

    void openingOrClosingTwiceIsOpeningOrClosingOnce()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        window->Load->trigger();
        const QStringList once = listEntries(*window);
        window->Load->trigger();
        QVERIFY(loadListShown(*window));
        QCOMPARE(listEntries(*window), once);

        window->Command6_Click();
        window->Command6_Click();
        QVERIFY(!window->File1->isVisible());
        QVERIFY(!window->Command6->isVisible());
    }

    void aSavedMapShowsInTheOpenListAndTheChosenEntryStays()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        window->Load->trigger();
        window->File1->setCurrentItem(
            window->File1->findItems(QStringLiteral("rooms.map"), Qt::MatchExactly).front());

        saveAs(*window, boxes, QStringLiteral("maze1"));

        QVERIFY(loadListShown(*window));
        QCOMPARE(listEntries(*window), (QStringList{"blankmap.map", "diagonal.map", "maze.map", "maze1.map",
                                                    "rooms.map", "spiral.map"}));
        QCOMPARE(window->File1->selectedItems().size(), 1);
        QCOMPARE(window->File1->selectedItems().front()->text(), QStringLiteral("rooms.map"));
    }

    // Where the program folder cannot be written, the user's maps join the program folder's in
    // one list sorted by name, case aside, and a user's map takes the place of the program
    // folder's map of the same name. Only maps count: a FIFO of the user's hides nothing.
    void userMapsJoinTheProgramFolderMaps_data()
    {
        QTest::addColumn<QStringList>("programMaps");
        QTest::addColumn<QStringList>("userMaps"); // "name|FIFO" for a FIFO of that name
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("a user's map replaces the program's")
            << QStringList{"blankmap.map", "maze.map"} << QStringList{"maze.map"}
            << QStringList{"blankmap.map from the program folder", "maze.map from the user's folder"};
        QTest::newRow("sorted together, case aside")
            << QStringList{"b.map", "D.map"} << QStringList{"a.map", "C.map"}
            << QStringList{"a.map from the user's folder", "b.map from the program folder",
                           "C.map from the user's folder", "D.map from the program folder"};
        QTest::newRow("a name in UTF-8 after the plain letters")
            << QStringList{"b.map"} << QStringList{"\u5730\u56f3.map"}
            << QStringList{"b.map from the program folder", "\u5730\u56f3.map from the user's folder"};
        QTest::newRow("a user's FIFO hides nothing")
            << QStringList{"maze.map"} << QStringList{"maze.map|FIFO"}
            << QStringList{"maze.map from the program folder"};
    }

    void userMapsJoinTheProgramFolderMaps()
    {
        QFETCH(QStringList, programMaps);
        QFETCH(QStringList, userMaps);
        QFETCH(QStringList, listed);
        const QTemporaryDir program, user;
        const QByteArray map(qsizetype(MapFileBytes), '\0');
        for (const QString& name : programMaps)
            writeBytes(program.filePath(name), map);
        for (const QString& entry : userMaps) {
            const QString name = entry.section(QLatin1Char('|'), 0, 0);
            if (entry.endsWith(QLatin1String("|FIFO")))
                QCOMPARE(::mkfifo(QFile::encodeName(user.filePath(name)).constData(), 0644), 0);
            else
                writeBytes(user.filePath(name), map);
        }

        QStringList shown;
        for (const ProgramFiles::ListedMap& entry :
             ProgramFiles::mapsIn({bytes(program.path()), bytes(user.path())})) {
            const QString path = MapNames::shown(entry.path);
            const QString name = MapNames::shown(entry.name);
            const bool users = path == user.filePath(name);
            QVERIFY2(users || path == program.filePath(name), qPrintable(path));
            shown << name + (users ? QStringLiteral(" from the user's folder")
                                   : QStringLiteral(" from the program folder"));
        }
        QCOMPARE(shown, listed);
    }

    // ---- Loading

    // The walls of the loaded map go over the picture as it is: nothing is cleared, searched or
    // repainted besides them.
    void doubleClickAnnouncesTheLoadThenPaintsTheNewWallsOverTheOld()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        MapGrid(60, 60).passable = Wall;
        QVERIFY(savemap(folder.path(QStringLiteral("maze1.map")).toStdString()));
        MapGrid(60, 60).passable = Open;
        MapGrid(20, 20).passable = Wall;
        window->colorsquaregreen(cellCorner(20), cellCorner(20));
        window->colorsquare(cellCorner(30), cellCorner(30), 40);
        const QImage ring = window->Picture1->image().copy(150, 150, 5, 5);
        const std::vector<std::int16_t> distances{&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount};
        const QString time = window->Label1->text(), length = window->Label2->text();
        window->Load->trigger();

        bool loadedWhileOpen = true;
        boxes.answerOk([&](const Platform::Box&) { loadedWhileOpen = MapGrid(60, 60).passable == Wall; });
        doubleClickEntry(*window, QStringLiteral("maze1.map"));

        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("Attempted to load maze1.map."));
        QCOMPARE(boxes.shown()[0].caption, QStringLiteral("Pathfinding Algorithm"));
        QVERIFY(!loadedWhileOpen);
        QVERIFY(mapImage() == fileBytes(folder.path(QStringLiteral("maze1.map"))));
        QCOMPARE(describe(insideColour(*window, 60, 60)), describe(MapView::WallColour));
        QCOMPARE(MapGrid(20, 20).passable, Open);
        QCOMPARE(describe(insideColour(*window, 20, 20)), describe(MapView::WallColour));
        QVERIFY(window->Picture1->image().copy(150, 150, 5, 5) == ring);
        QCOMPARE(describe(insideColour(*window, 5, 5)), describe(MapView::MarkerColour));
        QVERIFY(std::equal(distances.begin(), distances.end(), &DistanceGrid(0, 0)));
        QCOMPARE(window->Label1->text(), time);
        QCOMPARE(window->Label2->text(), length);
        QVERIFY(loadListShown(*window));
    }

    void failedLoadShowsWhyAndLeavesMapAndPictureAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("reason");
        QTest::newRow("short") << QByteArray(102009, '\0') << QStringLiteral("holds 102009 bytes");
        QTest::newRow("vanished") << QByteArray() << QStringLiteral("No such file or directory");
    }

    void failedLoadShowsWhyAndLeavesMapAndPictureAsTheyWere()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, reason);
        Session session;
        auto& [boxes, folder, window] = session;
        const QString path = folder.path(QStringLiteral("broken.map"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        window->Load->trigger();
        if (contents.isEmpty())
            QVERIFY(QFile::remove(path));
        const QByteArray map = mapImage();
        const QImage picture = window->Picture1->image();

        boxes.answerOk();
        boxes.answerOk();
        doubleClickEntry(*window, QStringLiteral("broken.map"));

        QCOMPARE(boxes.shown().size(), std::size_t(2));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("Attempted to load broken.map."));
        const QString why = boxes.shown()[1].text;
        QVERIFY2(why.contains(path) && why.contains(reason), qPrintable(why));
        QVERIFY(mapImage() == map);
        QVERIFY(window->Picture1->image() == picture);
    }

    void doubleClickWithNothingChosenDoesNothing()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        window->Load->trigger();
        window->File1->clearSelection();
        const QByteArray map = mapImage();

        doubleClickList(*window, window->File1->viewport()->rect().bottomLeft() + QPoint(5, -5));
        window->File1_DblClick();

        QCOMPARE(boxes.shown().size(), std::size_t(0));
        QVERIFY(mapImage() == map);
    }

    // A name is the bytes the folder stores: one that is not UTF-8 is listed with a replacement
    // mark and loads from its own file.
    void aMapWhoseNameIsNotUtf8IsListedAndLoads()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        MapGrid(30, 70).passable = Wall;
        QVERIFY(savemap(ProgramFiles::path("\xff\xfe.map")));
        MapGrid(30, 70).passable = Open;
        window->Load->trigger();

        boxes.answerOk();
        doubleClickEntry(*window, QStringLiteral("\uFFFD\uFFFD.map"));

        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(MapGrid(30, 70).passable, Wall);
    }

    // Class maps: routeseer/maps under each absolute folder of XDG_DATA_DIRS, the first the most
    // important, after the program folder's where saves go there (a default map cut short is passed
    // over with a box); a relative entry names no folder. Folder names are bytes.
    void classMapsAreListedOverTheProgramFolders()
    {
        Session session;
        QVERIFY(QFile::remove(session.folder.path(QStringLiteral("blankmap.map"))));
        const QTemporaryDir data;
        const std::string first = bytes(data.path()) + "/caf\xe9", second = bytes(data.path()) + "/b";
        for (const std::string& classFolder : {first, second, std::string("relative")})
            QVERIFY(Storage::makeFolders(classFolder + "/routeseer/maps", nullptr));
        for (const std::string& map : {first + "/lesson", second + "/lesson", second + "/maze",
                                       second + "/blankmap", std::string("relative/x")})
            std::ofstream(map.substr(0, map.rfind('/')) + "/routeseer/maps" + map.substr(map.rfind('/')) +
                          ".map")
                << std::string(MapFileBytes, '\1');
        std::ofstream(first + "/routeseer/maps/blankmap.map") << std::string(1000, '\1');
        qputenv("XDG_DATA_DIRS", QByteArray::fromStdString("relative:" + first + ":" + second));
        session.boxes.answerOk();
        session.window->Form_Load();

        std::vector<std::string> listed;
        for (const ProgramFiles::ListedMap& entry : ProgramFiles::listedMaps())
            listed.push_back(entry.path);
        const std::string lesson = ProgramFiles::mapPath("lesson.map");
        qunsetenv("XDG_DATA_DIRS");
        QDir(QStringLiteral("relative")).removeRecursively();

        const auto program = [](const char* name) { return ProgramFiles::path(name); };
        QVERIFY(MapGrid(0, 0).passable != Wall); // the second class folder's default map, open all round
        QCOMPARE(listed,
                 (std::vector<std::string>{first + "/routeseer/maps/blankmap.map", program("diagonal.map"),
                                           first + "/routeseer/maps/lesson.map", program("maze.map"),
                                           program("rooms.map"), program("spiral.map")}));
        QCOMPARE(lesson, first + "/routeseer/maps/lesson.map");
    }

    void everySampleMapLoadsFromTheListAndConnectsStartAndFinish()
    {
        Session session;
        auto& [boxes, folder, window] = session;
        window->Load->trigger();
        for (const QString& name : listEntries(*window)) {
            boxes.answerOk();
            doubleClickEntry(*window, name);
            QVERIFY2(mapImage() == fileBytes(folder.path(name)), qPrintable(name));
            findpath(window->startpoint, window->finishpoint);
            QVERIFY2(pathlength > 0, qPrintable(name));
        }
        QCOMPARE(boxes.shown().size(), std::size_t(5));
    }
};

QTEST_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
