// A stand-in for the outside tools. Copied into a test's program folder under the tool's name, it
// appends the words it was started with (and when) to <name>.log beside itself, prints the answer
// file <name>.<subcommand> if there is one, and for "pull" writes the picture <name>.pull into the
// folder it runs in. <name>.delay_ms makes it wait before answering; <name>.<subcommand>.err is
// printed on standard error and <name>.<subcommand>.exit names its exit status. Its process
// number is appended to <name>.pids, so a test can tell whether it was stopped, and the variable
// ADB, when set, to <name>.adb. With <name>.mirror it mirrors its simulated phone until that phone's
// process ends.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>

#include <shellapi.h> // after windows.h, which it needs
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

#ifdef _WIN32
// The words as Windows hands them over, parsed back from the command line by the system's own
// rules, in UTF-8: what a program written for Windows would receive.
static std::vector<std::string> startWords()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string word(size > 0 ? size - 1 : 0, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, word.data(), size, nullptr, nullptr);
        words.push_back(word);
    }
    LocalFree(wide);
    return words;
}

static fs::path selfPath()
{
    wchar_t path[MAX_PATH * 4];
    return fs::path(std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH * 4)));
}

static int processId()
{
    return _getpid();
}
#else
static std::vector<std::string> startWords(int argc, char* argv[])
{
    return std::vector<std::string>(argv, argv + argc);
}

static fs::path selfPath()
{
    return fs::read_symlink("/proc/self/exe");
}

static int processId()
{
    return getpid();
}
#endif

static std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file beside the tool: its path and name with the suffix added, kept as a path so that a folder
// whose name the system's code page cannot hold (a Chinese user's, say) is still reached.
static fs::path beside(const fs::path& base, const std::string& suffix)
{
    fs::path path = base;
    path += suffix;
    return path;
}

#ifndef _WIN32
// Whether something listens on the loopback port.
static bool answers(int port)
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return connected;
}

// A mirroring client that mirrors while its simulated phone (the "-s" 127.0.0.1:<port>) listens, and
// ends with the client's "Device disconnected" status (2) once it no longer does; 0 after a minute.
static int mirrorUntilGone(const std::vector<std::string>& words)
{
    int port = 0;
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == "-s")
            port = std::atoi(words[i + 1].substr(words[i + 1].rfind(':') + 1).c_str());
    }
    for (int tick = 0; tick < 600; ++tick) {
        if (!answers(port)) {
            std::cerr << "WARN: Device disconnected" << std::endl;
            return 2;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}
#endif

int main([[maybe_unused]] int argc, [[maybe_unused]] char* argv[])
{
#ifdef _WIN32
    // What it prints goes out byte for byte, as the real tools' answers do.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const std::vector<std::string> all = startWords();
#else
    const std::vector<std::string> all = startWords(argc, argv);
#endif
    const fs::path self = selfPath();
    const fs::path folder = self.parent_path();
    // Named as the tool it stands in for; "adb.exe" logs as "adb", as on other systems.
    const std::string name = self.stem().string();
    const fs::path base = folder / name;

    const auto now
        = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
              .count();
    const std::vector<std::string> words(all.begin() + 1, all.end());
    {
        std::ofstream log(beside(base, ".log"), std::ios::app | std::ios::binary);
        log << now;
        for (const std::string& word : words)
            log << '\x1f' << word;
        log << '\x1e'; // words may hold line breaks, so a record ends with a separator of its own
    }

    {
        std::ofstream pids(beside(base, ".pids"), std::ios::app);
        pids << processId() << '\n';
    }
    // The bridge tool it was told to use, as the mirroring client reads it, one record a start.
    if (const char* adb = std::getenv("ADB"))
        std::ofstream(beside(base, ".adb"), std::ios::app | std::ios::binary) << adb << '\x1e';

    const std::string delay = readAll(beside(base, ".delay_ms"));
    if (!delay.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(delay)));

    // <name>.stderr is printed on standard error at every start, and <name>.status, when there,
    // is the exit status of every start: a client that fails as soon as it starts ("crash": one that
    // crashes).
    std::cerr << readAll(beside(base, ".stderr")) << std::flush;
    const std::string status = readAll(beside(base, ".status"));
    if (status == "crash")
        std::abort();
    if (!status.empty())
        return std::stoi(status);

    // "--version" answers from <name>.version, as the client prints its version.
    if (words.size() == 1 && words[0] == "--version") {
        std::cout << readAll(beside(base, ".version"));
        return 0;
    }
#ifndef _WIN32
    // <name>.mirror: a client that runs while its phone does.
    if (fs::exists(beside(base, ".mirror")))
        return mirrorUntilGone(words);
#endif

    std::string subcommand;
    std::string nextWord;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "-s") {
            ++i;
            continue;
        }
        if (!words[i].empty() && words[i][0] != '-') {
            subcommand = words[i];
            nextWord = i + 1 < words.size() ? words[i + 1] : std::string();
            break;
        }
    }
    if (subcommand == "pull" && !words.empty()) {
        const fs::path target = fs::current_path() / fs::path(words.back()).filename();
        std::ofstream(target, std::ios::binary) << readAll(beside(base, ".pull"));
    }
    if (subcommand.empty())
        return 0;
    // "<name>.mdns.check" answers "mdns check" where it is there; "<name>.mdns" any other.
    const fs::path twoWords = beside(base, "." + subcommand + "." + nextWord);
    std::cout << readAll(!nextWord.empty() && fs::exists(twoWords) ? twoWords : beside(base, "." + subcommand));
    std::cerr << readAll(beside(base, "." + subcommand + ".err"));
    const std::string exitStatus = readAll(beside(base, "." + subcommand + ".exit"));
    return exitStatus.empty() ? 0 : std::stoi(exitStatus);
}
