// Test adapters of the Places and Clock ports: a scratch folder tree that is
// removed with the object, and a clock that always reads the same instant.
#pragma once

#include "ports/clock.h"
#include "ports/places.h"

#include <filesystem>
#include <string>

namespace brisalta::test {

class ScratchPlaces : public Places {
public:
    ScratchPlaces();
    ~ScratchPlaces() override;
    ScratchPlaces(const ScratchPlaces&) = delete;
    ScratchPlaces& operator=(const ScratchPlaces&) = delete;

    std::filesystem::path tempFolder() const override { return mRoot / "tmp"; }
    std::filesystem::path settingsFolder() const override { return mRoot / "settings"; }
    std::filesystem::path dataFolder() const override { return mRoot / "data"; }
    std::filesystem::path currentFolder() const override { return mRoot / "cwd"; }
    std::filesystem::path root() const { return mRoot; }

private:
    std::filesystem::path mRoot;
};

// A clock fixed at one instant; local time is UTC.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::int64_t seconds) : mNow(seconds) {}
    std::int64_t now() const override { return mNow; }
    std::int64_t localTime(const std::tm& fields) const override;
    std::tm toLocal(std::int64_t seconds) const override;

private:
    std::int64_t mNow;
};

// Reads a whole file (binary); empty when missing.
std::string readFile(const std::filesystem::path& path);
// Writes a whole file (binary), creating the folders on the way.
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// Folder of the test fixtures (tests/data).
std::filesystem::path dataPath();

// The data folder installed with the program (data/ of the source tree), and
// its demo answers.
std::filesystem::path programDataPath();
std::filesystem::path demoPath();

} // namespace brisalta::test
