// Bad input to the program as a user gives it: each row a command line and a script (on the standard
// input, or as {dir}/in.orvel), the exit status and a part of the message. Whatever the mistake, the
// message stays short and printable, and no file is left in the output folder {dir}/out. A full disk is
// a file size limit of 512 bytes, with an earlier regions.txt past it that must stay as it was.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "headless/script.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

struct BadInput {
    const char* Name;
    std::string Args;    // shell words; {dir} is the row's folder, which holds the file "plain"
    std::string Script;  // written to {dir}/in.orvel, the standard input unless Args redirects it
    int Status;
    std::string Message;  // {dir} as in Args
    bool DiskFull = false;
};

const std::string LongWord = "fly" + std::string(4000, 'x');
const std::string Excerpt = "'fly" + std::string(37, 'x') + "...'";

const BadInput BadInputTbl[] = {
    // what cannot be read
    {"ScriptIsAFolder", "--script {dir}", "", 2, "{dir}: cannot read the script: Is a directory"},
    {"StdinIsAFolder", "< {dir}", "", 2, "<stdin>: cannot read the script: Is a directory"},
    {"NoScript", "--script {dir}/none", "", 2, "{dir}/none: cannot read the script: No such file"},
    {"EndlessInput", "< /dev/zero", "", 2, "<stdin>: the script is larger than 16 MiB"},
    {"OutIsAFile", "--out {dir}/plain", "shot a.png", 1, "cannot create {dir}/plain: Not a directory"},
    {"FullDiskBmp", "", "wait 100\nsave-lcd\nshot after.png", 1, "cannot write {dir}/out/orvel-0000.bmp: File too large",
     true},
    {"FullDiskPng", "", "shot home.png 8", 1, "cannot write {dir}/out/home.png: File too large", true},
    {"FullDiskInspect", "", "press MENU\nwait 100\ninspect state.json", 1, "{dir}/out/state.json: File too large", true},
    {"FullDiskRegions", "", "SHIFT+CTRL+mousedown 10 20\nSHIFT+CTRL+mouseup 30 40", 1,
     "cannot write {dir}/out/regions.txt: File too large", true},
    {"OutCannotBeMade", "--out {dir}/" + std::string(300, 'o'), "shot a.png", 1, ": File name too long"},
    // what is not text
    {"NulByte", "", "wait 1\0wait 2"s, 2, "<stdin>:1: a NUL byte: the script must be UTF-8 or ASCII text"},
    {"NotUtf8", "", "wait 1\nshot caf\xE9.png", 2, "<stdin>:2: the byte 0xE9 is not UTF-8"},
    {"Surrogate", "", "shot \xED\xA0\x80.png", 2, "<stdin>:1: the byte 0xED is not UTF-8"},
    {"Utf16Mark", "--script {dir}/in.orvel", "\xFF\xFEw\0"s, 2,
     "in.orvel:1: a UTF-16 byte-order mark: the script must be UTF-8 or ASCII text"},
    {"Utf32Mark", "", "\xFF\xFE\0\0w"s, 2, "<stdin>:1: a UTF-32 byte-order mark"},
    {"Utf8MarkCrEnds", "", "\xEF\xBB\xBFwait 1\rwait 2\r\rfly\r", 2, "<stdin>:4: unknown command 'fly'"},
    {"CrLfEnds", "", "wait 1\r\nwait 2\r\n\r\nfly\r\n", 2, "<stdin>:4: unknown command 'fly'"},
    {"LongLine", "", "wait 1\n" + std::string(1 << 20, 'x'), 2, "<stdin>:2: the line is longer than 4096 bytes"},
    {"LongWord", "", LongWord, 2, "<stdin>:1: unknown command " + Excerpt},
    // names
    {"ShotControl", "", "shot caf\xC3\xA9.png\nshot a\x01.png", 2, ":2: file name 'a?.png' holds the control byte"},
    {"InspectControl", "", "inspect s\x1F.json", 2, "file name 's?.json' holds the control byte 0x1F"},
    {"GotoControl", "", "goto HO\x7FME", 2, "page name 'HO?ME' holds the control byte 0x7F"},
    {"GotoNowhere", "", "shot a.png\ngoto NOWHERE", 2, ":2: no page \"NOWHERE\""},
    {"OutControl", "--out \"$(printf 'a\\001b')\"", "", 2, "--out 'a?b' holds the control byte 0x01"},
    {"ScriptControl", "--script \"$(printf 'a\\033')\"", "", 2, "--script 'a?' holds the control byte 0x1B"},
    {"DeviceControl", "-- \"$(printf '1\\001x')\"", "", 2, "device argument '1?x' holds the control byte 0x01"},
    {"OutTooLong", "--out {dir}/$(printf %05000d 0)", "", 2, "' is longer than 4096 bytes"},
    {"OutEmpty", "--out ''", "", 2, "--out needs a value"},
    {"HugeOption", "--$(printf %0100000d 0)", "", 2, "unknown argument '--" + std::string(38, '0') + "...'"},
    // numbers
    {"WaitTooLong", "", "wait 99999999999", 2, "<stdin>:1: wait 99999999999: milliseconds must be 0 to 3600000"},
    {"WaitHourAndOne", "", "wait 3600001", 2, "wait 3600001: milliseconds"},
    {"WaitNegative", "", "\n\nwait -5", 2, ":3: wait -5: milliseconds must be 0 to 3600000"},
    {"ClickY", "", "click 10 2x", 2, "click 2x: Y must be -32768 to 32767"},
    {"MoveX", "", "move 32768 0", 2, "move 32768: X must be -32768 to 32767"},
    {"Zoom", "", "shot a.png 9", 2, "shot 9: zoom must be 1 to 8"},
    {"GotoZero", "", "goto SKYPOST #0", 2, "goto #0: page number must be 1 to 99"},
    {"GotoThird", "", "goto INPUT CONFIGURE #3", 2, "goto #3: page number must be 1 to 2"},
    {"TickZero", "--tick 0", "", 2, "--tick 0: milliseconds must be 1 to 1000"},
    {"TickSlow", "--tick 1001", "", 2, "--tick 1001: milliseconds must be 1 to 1000"},
    {"Seed", "--seed 4294967296", "", 2, "--seed 4294967296: must be 0 to 4294967295"},
    // the edges that are good, so that only the last line is wrong
    {"Edges", "--tick 1000 --seed 4294967295",
     "\xEF\xBB\xBFwait 3600000\r\nclick -32768 32767\rshot caf\xC3\xA9.png 8\ngoto INPUT CONFIGURE #2\n#" +
         std::string(MAX_SCRIPT_LINE - 1, 'x') + "\nfly",
     2, "<stdin>:6: unknown command 'fly'"},
    // the rest of the language and the command line
    {"UnknownKey", "", "press CTRL+F13", 2, ":1: unknown key 'CTRL+F13'"},
    {"TwoKeys", "", "press MENU UP", 2, "unexpected 'UP'"},
    {"HashKey", "", "down #", 2, "missing key"},  // '#' begins a comment: type it instead
    {"TypeUtf8", "", "type caf\xC3\xA9", 2, "cannot type the byte 0xC3"},
    {"AnswerMaybe", "", "answer maybe", 2, "answer takes ok or cancel"},
    {"WaitModifier", "", "CTRL+wait 10", 2, "'wait' takes no modifiers"},
    {"LateMistake", "", "press MENU\nshot a.png\nwait 1\nsave-lcd\nbad\nwait 3", 2, ":5: unknown command 'bad'"},
    {"PlainWord", "lite", "", 2, "unknown argument 'lite'"},
    {"NoValue", "--out", "", 2, "--out needs a value"},
    {"CompareAlone", "--compare old", "", 2, "--compare needs --atlas"},
    {"ModelsComma", "--atlas a --models 12,", "", 2, "--models takes all or model ids parted by commas, not '12,'"},
    {"ModelsArgs", "--atlas a --models all -- 10", "", 2, "--models takes no device args: each model has its own"},
};

void PrintTo(const BadInput& row, std::ostream* os)
{
    *os << row.Name;
}

std::string WithDir(std::string text, const std::string& dir)
{
    for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}", at + dir.size()))
        text.replace(at, 5, dir);
    return text;
}

std::string Read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class BadInputTest : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, StopsWithItsStatusAShortMessageAndNoFile)
{
    const BadInput& row = GetParam();
    const fs::path dir = fs::temp_directory_path() / ("orvel-bad-" + std::to_string(::getpid()) + "-" + row.Name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "in.orvel", std::ios::binary) << row.Script;
    std::ofstream(dir / "plain") << "a file, not a folder";
    const std::string regions(600, '#');
    if (row.DiskFull) {
        fs::create_directories(dir / "out");
        std::ofstream(dir / "out" / "regions.txt") << regions;
    }
    // The row's own redirection comes after the default one, so it wins.
    const std::string command = std::string(row.DiskFull ? "ulimit -f 1; " : "") + ORVEL_HEADLESS +
                                " --quiet --out {dir}/out < {dir}/in.orvel " + row.Args + " > {dir}/stdout 2> {dir}/stderr";
    const int status = std::system(WithDir(command, dir.string()).c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.Status);
    const std::string err = Read(dir / "stderr");
    EXPECT_NE(err.find(WithDir(row.Message, dir.string())), std::string::npos) << err;
    EXPECT_LT(err.size(), 1000U) << "a bad word is quoted in short";
    const auto printable = [](unsigned char c) { return c == '\n' || (c >= ' ' && c != 0x7F); };
    EXPECT_TRUE(std::ranges::all_of(err, printable)) << "no control byte is echoed";
    if (row.DiskFull) {
        EXPECT_EQ(Read(dir / "out" / "regions.txt"), regions);
        fs::remove(dir / "out" / "regions.txt");
    }
    EXPECT_TRUE(!fs::exists(dir / "out") || fs::is_empty(dir / "out"));
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputTest, testing::ValuesIn(BadInputTbl),
                         [](const testing::TestParamInfo<BadInput>& info) { return info.param.Name; });

}  // namespace
