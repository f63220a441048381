// The desktop folders: where settings are looked for, and a temporary folder
// nobody else can read that disappears with the program.
#include "adapters/xdgplaces.h"

#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const char* value) : mName(name) {
        if (const char* old = std::getenv(name)) {
            mOld = old;
        }
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~EnvironmentValue() {
        if (mOld) {
            ::setenv(mName, mOld->c_str(), 1);
        } else {
            ::unsetenv(mName);
        }
    }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* mName;
    std::optional<std::string> mOld;
};

TEST(XdgPlaces, SettingsFolderFollowsXdgConfigHome) {
    test::ScratchPlaces scratch;
    const std::string home = (scratch.root() / "casa").string();
    EnvironmentValue homeValue("HOME", home.c_str());
    {
        EnvironmentValue config("XDG_CONFIG_HOME", "/srv/ajustes");
        EXPECT_EQ(XdgPlaces("/datos").settingsFolder(), fs::path("/srv/ajustes/Brisalta"));
    }
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relativa/ajustes"}) {
        EnvironmentValue config("XDG_CONFIG_HOME", unusable);
        XdgPlaces places("/datos");
        EXPECT_EQ(places.settingsFolder(), fs::path(home) / ".config" / "Brisalta");
        EXPECT_FALSE(fs::exists(places.settingsFolder())); // made later, by whoever writes there
    }
}

TEST(XdgPlaces, TempFolderIsPrivateAndRemovedWithItsContents) {
    test::ScratchPlaces scratch;
    const std::string runtime = (scratch.root() / "run").string();
    fs::create_directories(runtime);
    EnvironmentValue runtimeValue("XDG_RUNTIME_DIR", runtime.c_str());
    fs::path temp;
    {
        XdgPlaces places("/usr/share/brisalta");
        temp = places.tempFolder();
        EXPECT_EQ(temp.parent_path(), fs::path(runtime));
        struct stat info {};
        ASSERT_EQ(::stat(temp.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        test::writeFile(temp / "temp.htm", "página");
        EXPECT_EQ(places.dataFolder(), fs::path("/usr/share/brisalta"));
        EXPECT_EQ(places.currentFolder(), fs::current_path());
        XdgPlaces second("/d");
        EXPECT_NE(second.tempFolder(), temp); // two programs never share the folder
    }
    EXPECT_FALSE(fs::exists(temp));
}

TEST(XdgPlaces, TempFolderFallsBackToTmp) {
    EnvironmentValue runtime("XDG_RUNTIME_DIR", "/no/existe/esta/carpeta");
    XdgPlaces places("/d");
    EXPECT_EQ(places.tempFolder().parent_path(), fs::path("/tmp"));
    EXPECT_TRUE(fs::is_directory(places.tempFolder()));
}

// The data folder both programs run with: a chosen folder, then $BRISALTA_DATOS,
// then the installation, then the source tree's data/ (a build run in place).
TEST(XdgPlaces, DataFolderChoiceFallsBackToTheSourceTree) {
    EnvironmentValue unset("BRISALTA_DATOS", nullptr);
    EXPECT_EQ(XdgPlaces::resolveDataFolder("/elegida"), fs::path("/elegida"));
    {
        EnvironmentValue env("BRISALTA_DATOS", "/desde/entorno");
        EXPECT_EQ(XdgPlaces::resolveDataFolder(), fs::path("/desde/entorno"));
        EXPECT_EQ(XdgPlaces::resolveDataFolder("/elegida"), fs::path("/elegida"));
    }
    const fs::path folder = XdgPlaces::resolveDataFolder();
    if (!fs::is_directory(XdgPlaces::installedDataFolder())) {
        EXPECT_TRUE(fs::exists(folder / "lista.ema")) << folder;
        EXPECT_TRUE(fs::is_directory(folder / "demo")) << folder;
    } else {
        EXPECT_EQ(folder, XdgPlaces::installedDataFolder());
    }
}

} // namespace
} // namespace brisalta
