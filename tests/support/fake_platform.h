#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/posix_files.h"
#include "platform/window_system.h"

namespace kolven::testing {

// Remembers what was drawn since the surface was last cleared.
class RecordingSurface final : public platform::Surface {
public:
    using Color = platform::Color;
    enum class Kind { Line, Block, Point, Text };
    // `persistent` false: drawn on the screen only.
    struct Op { Kind kind; int x1, y1, x2, y2; Color color; std::string text = {}; bool persistent = true; };

    void clear() override { ops.clear(); }
    void line(int x1, int y1, int x2, int y2, Color c) override { addBar({Kind::Line, x1, y1, x2, y2, c}); }
    void fillBlock(int x1, int x2, int y1, int y2, Color c) override { addBar({Kind::Block, x1, y1, x2, y2, c}); }
    void point(int x, int y, Color c) override { ops.push_back({Kind::Point, x, y, x, y, c}); }
    void text(int x, int y, const std::string& s, Color c, const platform::Font&) override {
        ops.push_back({Kind::Text, x, y, x, y, c, s});
    }
    void setPersistent(bool on) override { persistent = on; }

    std::vector<Op> ofKind(Kind kind) const {
        std::vector<Op> found;
        for (const Op& op : ops)
            if (op.kind == kind)
                found.push_back(op);
        return found;
    }

    std::vector<Op> ops;
    bool persistent = true;

private:
    // Lines and blocks may be drawn on the screen only; text and points not.
    void addBar(Op op) {
        op.persistent = persistent;
        ops.push_back(std::move(op));
    }
};

// A window system without a display: text measures that depend only on the
// text's length and the font size, a recording surface, and a hook on each
// yield where a test plays the user's part during a run.
class FakeWindowSystem final : public platform::WindowSystem {
public:
    platform::Size measure(const platform::Font& font, const std::string& text) const override {
        int characters = 0;
        for (unsigned char c : text)
            characters += (c & 0xC0) != 0x80;  // UTF-8: count code points
        return {characters * static_cast<int>(font.size * 8), static_cast<int>(font.size * 23)};
    }
    int screenWidthPixels() const override { return widthPixels; }
    int screenHeightPixels() const override { return heightPixels; }
    platform::Surface& surface() override { return recorded; }
    void yield() override {
        ++yields;
        if (onYield)
            onYield(yields);
    }
    void endProgram() override { ended = true; }
    void setArrowCursor() override {}
    char decimalSeparator() const override { return separator; }

    int widthPixels = 1024, heightPixels = 768;
    char separator = ',';
    RecordingSurface recorded;
    std::function<void(int yieldNumber)> onYield;
    int yields = 0;
    bool ended = false;
};

// The time of day stays where the test puts it (midnight unless told); the
// monotonic clock moves a millisecond at each reading, so pauses end without
// sleeping.
class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(double step = 0.001) : step(step) {}
    double secondsSinceMidnight() const override { return timeOfDay; }
    double monotonicSeconds() const override { return monotonic += step; }

    double timeOfDay = 0;
    mutable double monotonic = 0;
    double step;  // how far the clock moves each time it is read: 0 holds it still
};

// Real files, with the program's own folder set by the test so that the
// interval file of the build never stands in for the test's own.
class TestFileSystem final : public platform::PosixFileSystem {
public:
    TestFileSystem(std::string exportRoot, std::string workingDirectory, std::string programDirectory)
        : PosixFileSystem(exportRoot, std::move(workingDirectory), exportRoot + "/data"),
          m_programDirectory(std::move(programDirectory)) {
    }
    std::string programDirectory() const override { return m_programDirectory; }
    // A stand-in for the file's reader when set (a file that never answers).
    std::unique_ptr<platform::NumberReader> openNumbers(const std::string& path) override {
        return readerStandIn ? readerStandIn() : PosixFileSystem::openNumbers(path);
    }
    std::function<std::unique_ptr<platform::NumberReader>()> readerStandIn;

private:
    std::string m_programDirectory;
};

}  // namespace kolven::testing
