// The base folders by their rules: only absolute values count, the home comes from the password
// database without HOME, and a folder name's bytes come back as they were, UTF-8 or not.
#include <QTest>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "document/basefolders.h"

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr const char* Unset = nullptr;

void setOrUnset(const char* name, const QByteArray& value)
{
    if (value.isNull())
        ::unsetenv(name);
    else
        ::setenv(name, value.constData(), 1);
}

std::string accountHome() { return ::getpwuid(::getuid())->pw_dir; }

} // namespace

class BaseFoldersTest : public QObject {
    Q_OBJECT

  private slots:
    void dataHomeTakesAbsolutePathsOnly_data()
    {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<std::string>("expected");
        QTest::newRow("set") << QByteArray("/h") << QByteArray("/d/x") << std::string("/d/x");
        QTest::newRow("unset") << QByteArray("/h") << QByteArray(Unset) << std::string("/h/.local/share");
        QTest::newRow("empty") << QByteArray("/h") << QByteArray("") << std::string("/h/.local/share");
        QTest::newRow("relative") << QByteArray("/h") << QByteArray("data") << std::string("/h/.local/share");
        QTest::newRow("not UTF-8") << QByteArray("/h") << QByteArray("/d/caf\xe9\xff")
                                   << std::string("/d/caf\xe9\xff");
        QTest::newRow("no HOME") << QByteArray(Unset) << QByteArray(Unset) << accountHome() + "/.local/share";
        QTest::newRow("relative HOME")
            << QByteArray("h") << QByteArray(Unset) << accountHome() + "/.local/share";
    }

    void dataHomeTakesAbsolutePathsOnly()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, dataHome);
        QFETCH(std::string, expected);
        const QByteArray homeBefore = qgetenv("HOME");
        setOrUnset("HOME", home);
        setOrUnset("XDG_DATA_HOME", dataHome);
        const std::string found = BaseFolders::dataHome();
        setOrUnset("HOME", homeBefore);
        ::unsetenv("XDG_DATA_HOME");
        QCOMPARE(found, expected);
    }

    void dataFoldersTakeAbsolutePathsOnly_data()
    {
        QTest::addColumn<QByteArray>("dataDirs");
        QTest::addColumn<QStringList>("expected"); // Latin-1: byte for byte
        const QStringList fallback{"/usr/local/share", "/usr/share"};
        QTest::newRow("unset") << QByteArray(Unset) << fallback;
        QTest::newRow("empty") << QByteArray("") << fallback;
        QTest::newRow("only relative") << QByteArray("share:.") << fallback;
        QTest::newRow("relative and empty entries left out")
            << QByteArray("/a::rel/b:/c/caf\xe9:") << QStringList{"/a", QString::fromLatin1("/c/caf\xe9")};
    }

    void dataFoldersTakeAbsolutePathsOnly()
    {
        QFETCH(QByteArray, dataDirs);
        QFETCH(QStringList, expected);
        setOrUnset("XDG_DATA_DIRS", dataDirs);
        QStringList found;
        for (const std::string& folder : BaseFolders::dataFolders())
            found << QString::fromLatin1(folder);
        ::unsetenv("XDG_DATA_DIRS");
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(BaseFoldersTest)
#include "basefolders_test.moc"
