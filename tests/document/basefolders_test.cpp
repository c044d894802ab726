// The base folders by their rules: only absolute values count, the home comes from the password
// database without HOME, and a folder name's bytes come back as they were, UTF-8 or not.
#include <QTest>
#include <pwd.h>
#include <unistd.h>

#include "document/basefolders.h"

class BaseFoldersTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyAbsolutePathsCount_data()
    {
        QTest::addColumn<QByteArrayList>("environment"); // HOME, XDG_DATA_HOME, XDG_DATA_DIRS; null: unset
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QByteArray>("dataFolders"); // joined by ':'
        const QByteArray account = QByteArray(::getpwuid(::getuid())->pw_dir) + "/.local/share";
        const QByteArray fallback = "/usr/local/share:/usr/share";
        QTest::newRow("unset") << QByteArrayList{"/h", {}, {}} << QByteArray("/h/.local/share") << fallback;
        QTest::newRow("empty") << QByteArrayList{"/h", "", ""} << QByteArray("/h/.local/share") << fallback;
        QTest::newRow("relative") << QByteArrayList{"/h", "data", "share:."} << QByteArray("/h/.local/share")
                                  << fallback;
        QTest::newRow("relative and empty entries left out")
            << QByteArrayList{"/h", {}, "/a::rel/b:/c:"} << QByteArray("/h/.local/share")
            << QByteArray("/a:/c");
        QTest::newRow("not UTF-8") << QByteArrayList{"/h", "/d/caf\xe9\xff", "/c/caf\xe9"}
                                   << QByteArray("/d/caf\xe9\xff") << QByteArray("/c/caf\xe9");
        QTest::newRow("no HOME") << QByteArrayList{{}, {}, {}} << account << fallback;
        QTest::newRow("relative HOME") << QByteArrayList{"h", {}, {}} << account << fallback;
    }

    void onlyAbsolutePathsCount()
    {
        QFETCH(QByteArrayList, environment);
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, dataFolders);
        const QByteArray home = qgetenv("HOME");
        const char* names[] = {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"};
        for (int i = 0; i < 3; ++i)
            environment[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], environment[i]);
        const std::string foundHome = BaseFolders::dataHome();
        QByteArrayList foundFolders;
        for (const std::string& folder : BaseFolders::dataFolders())
            foundFolders << QByteArray::fromStdString(folder);
        qputenv("HOME", home);
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
        QCOMPARE(QByteArray::fromStdString(foundHome), dataHome);
        QCOMPARE(foundFolders.join(':'), dataFolders);
    }
};

QTEST_GUILESS_MAIN(BaseFoldersTest)
#include "basefolders_test.moc"
