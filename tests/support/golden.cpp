#include "support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "host/pngfile.h"

namespace {

namespace fs = std::filesystem;

fs::path GoldenPath(const std::string& name)
{
    return fs::path(ORVEL_SOURCE_DIR) / "tests" / "golden" / (name + ".png");
}

fs::path OutputPath(const std::string& name, const char* suffix)
{
    const fs::path path = fs::path(ORVEL_BINARY_DIR) / "golden_out" / (name + suffix);
    fs::create_directories(path.parent_path());
    return path;
}

// The picture beside the build output for a look at a failure; what went wrong when it cannot be.
std::string KeepForReview(const std::string& name, const char* suffix, const RgbPicture& picture)
{
    const WriteResult written = PngWrite(OutputPath(name, suffix), picture);
    return written ? std::string()
                   : " (cannot write " + OutputPath(name, suffix).string() + ": " + written.Reason + ")";
}

// A manipulator streamed into an AssertionResult does not reach the next value: each has a stream of its own.
std::string Hex(std::uint32_t rgb)
{
    std::ostringstream text;
    text << std::hex << std::setw(6) << std::setfill('0') << rgb;
    return text.str();
}

testing::AssertionResult Mismatch(const std::string& name, const RgbPicture& expected, const RgbPicture& actual)
{
    std::ostringstream why;
    why << "LCD differs from golden " << GoldenPath(name) << "; see " << OutputPath(name, "_actual.png")
        << KeepForReview(name, "_actual.png", actual);
    if (expected.Width != actual.Width || expected.Height != actual.Height)
        return testing::AssertionFailure() << why.str() << " (size " << expected.Width << "x" << expected.Height
                                           << " vs " << actual.Width << "x" << actual.Height << ")";
    why << KeepForReview(name, "_diff.png", ComparePictures(expected, actual).Picture);
    for (int y = 0; y < expected.Height; ++y)
        for (int x = 0; x < expected.Width; ++x)
            if (expected.At(x, y) != actual.At(x, y))
                return testing::AssertionFailure() << why.str() << " and _diff.png; first differing pixel (" << x
                                                   << ", " << y << "): expected #" << Hex(expected.At(x, y))
                                                   << ", got #" << Hex(actual.At(x, y));
    return testing::AssertionFailure() << why.str();
}

}  // namespace

bool UpdatingGoldens()
{
    const char* update = std::getenv("UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

testing::AssertionResult LcdMatchesGolden(Canvas* c, const std::string& name)
{
    return PictureMatchesGolden(CanvasPicture(c, 1), name);
}

testing::AssertionResult PictureMatchesGolden(const RgbPicture& actual, const std::string& name)
{
    const fs::path golden = GoldenPath(name);
    if (UpdatingGoldens()) {
        fs::create_directories(golden.parent_path());
        if (const WriteResult written = PngWrite(golden, actual); !written)
            return testing::AssertionFailure() << "cannot write " << golden << ": " << written.Reason;
        return testing::AssertionSuccess();
    }
    RgbPicture expected;
    if (!PngRead(golden, expected)) {
        return testing::AssertionFailure() << "missing golden " << golden << " (run with UPDATE_GOLDEN=1 to create it)"
                                           << KeepForReview(name, "_actual.png", actual);
    }
    if (expected.Pixels == actual.Pixels && expected.Width == actual.Width)
        return testing::AssertionSuccess();
    return Mismatch(name, expected, actual);
}
