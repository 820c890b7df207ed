// A tool stand-in for the benchmarks: appends the monotonic time at which it started, in
// nanoseconds, to <its own path>.log, and ends.
#include <chrono>
#include <filesystem>
#include <fstream>

int main()
{
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    std::ofstream(self.string() + ".log", std::ios::app)
        << std::chrono::duration_cast<std::chrono::nanoseconds>(started).count() << '\n';
    return 0;
}
