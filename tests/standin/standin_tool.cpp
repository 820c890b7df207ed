// A stand-in for the outside tools. Copied into a test's program folder under the tool's name, it
// appends the words it was started with (and when) to <name>.log beside itself, prints the answer
// file <name>.<subcommand> if there is one, and for "pull" writes the picture <name>.pull into the
// folder it runs in. <name>.delay_ms makes it wait before answering; <name>.<subcommand>.err is
// printed on standard error and <name>.<subcommand>.exit names its exit status. Its process
// number is appended to <name>.pids, so a test can tell whether it was stopped.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

static std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int main(int argc, char* argv[])
{
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path folder = self.parent_path();
    const std::string name = fs::path(argv[0]).filename().string();
    const fs::path base = folder / name;

    const auto now
        = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
              .count();
    std::vector<std::string> words(argv + 1, argv + argc);
    {
        std::ofstream log(base.string() + ".log", std::ios::app | std::ios::binary);
        log << now;
        for (const std::string& word : words)
            log << '\x1f' << word;
        log << '\x1e'; // words may hold line breaks, so a record ends with a separator of its own
    }

    {
        std::ofstream pids(base.string() + ".pids", std::ios::app);
        pids << getpid() << '\n';
    }

    const std::string delay = readAll(base.string() + ".delay_ms");
    if (!delay.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(delay)));

    // <name>.stderr is printed on standard error at every start, and <name>.status, when there,
    // is the exit status of every start: a client that fails as soon as it starts.
    std::cerr << readAll(base.string() + ".stderr") << std::flush;
    const std::string status = readAll(base.string() + ".status");
    if (!status.empty())
        return std::stoi(status);

    // "--version" answers from <name>.version, as the client prints its version.
    if (words.size() == 1 && words[0] == "--version") {
        std::cout << readAll(base.string() + ".version");
        return 0;
    }

    std::string subcommand;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "-s") {
            ++i;
            continue;
        }
        if (!words[i].empty() && words[i][0] != '-') {
            subcommand = words[i];
            break;
        }
    }
    if (subcommand == "pull" && !words.empty()) {
        const fs::path target = fs::current_path() / fs::path(words.back()).filename();
        std::ofstream(target, std::ios::binary) << readAll(base.string() + ".pull");
    }
    if (subcommand.empty())
        return 0;
    std::cout << readAll(base.string() + "." + subcommand);
    std::cerr << readAll(base.string() + "." + subcommand + ".err");
    const std::string exitStatus = readAll(base.string() + "." + subcommand + ".exit");
    return exitStatus.empty() ? 0 : std::stoi(exitStatus);
}
