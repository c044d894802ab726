// The base folders by their rules: only absolute values count, the home comes from the password
// database without HOME, and a folder name's bytes come back as they were, UTF-8 or not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>

#include "storage/basefolders.h"

namespace {

struct Case {
    const char* name;
    std::optional<std::string> home, dataHome, dataDirs; // nothing: unset
    std::string foundHome;                               // "~": the account's own, then the rest
    std::string foundFolders;                            // joined by ':'
};

const std::string fallback = "/usr/local/share:/usr/share";

const Case cases[] = {
    {"Unset", "/h", {}, {}, "/h/.local/share", fallback},
    {"Empty", "/h", "", "", "/h/.local/share", fallback},
    {"Relative", "/h", "data", "share:.", "/h/.local/share", fallback},
    {"RelativeAndEmptyEntriesLeftOut", "/h", {}, "/a::rel/b:/c:", "/h/.local/share", "/a:/c"},
    {"NotUtf8", "/h", "/d/caf\xe9\xff", "/c/caf\xe9", "/d/caf\xe9\xff", "/c/caf\xe9"},
    {"NoHome", {}, {}, {}, "~/.local/share", fallback},
    {"RelativeHome", "h", {}, {}, "~/.local/share", fallback},
};

void set(const char* name, const std::optional<std::string>& value)
{
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

class BaseFolders_ : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(BaseFolders_, OnlyAbsolutePathsCount)
{
    const Case& row = GetParam();
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    set("HOME", row.home);
    set("XDG_DATA_HOME", row.dataHome);
    set("XDG_DATA_DIRS", row.dataDirs);
    const std::string foundHome = BaseFolders::dataHome();
    std::string foundFolders;
    for (const std::string& folder : BaseFolders::dataFolders())
        foundFolders += (foundFolders.empty() ? "" : ":") + folder;
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_DATA_DIRS");

    std::string expectedHome = row.foundHome;
    if (expectedHome.starts_with('~'))
        expectedHome.replace(0, 1, ::getpwuid(::getuid())->pw_dir);
    EXPECT_EQ(foundHome, expectedHome);
    EXPECT_EQ(foundFolders, row.foundFolders);
}

INSTANTIATE_TEST_SUITE_P(Environments, BaseFolders_, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });
