// A tool stand-in for the benchmarks: appends the monotonic time at which it started, in
// nanoseconds, to <its own path>.log; waits <its own path>.delay_ms milliseconds when that file
// exists and then prints one answer line, and ends. As the bridge tool it answers "version" and
// "mdns check" as one that pairs, with its discovery running.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>

int main(int argc, char* argv[])
{
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "version")
        std::cout << "Android Debug Bridge version 1.0.41\nVersion 35.0.2-12147458\n";
    if (first == "mdns" && argc > 2 && std::string_view(argv[2]) == "check")
        std::cout << "mdns daemon version [Openscreen discovery 0.0.0]\n";
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    std::ofstream(self.string() + ".log", std::ios::app)
        << std::chrono::duration_cast<std::chrono::nanoseconds>(started).count() << '\n';
    std::ifstream delay(self.string() + ".delay_ms");
    int ms = 0;
    if (delay >> ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        std::cout << "answered" << std::endl;
    }
    return 0;
}
