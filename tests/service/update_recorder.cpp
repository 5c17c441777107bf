// update_recorder: stands in for the firmware-update program in tests. It writes when it
// started (milliseconds since the epoch) and how many arguments it got into the file "started"
// beside itself, whole or not at all.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char *argv[])
{
    const std::string self = argv[0];
    const std::string folder = self.substr(0, self.find_last_of('/') + 1);
    const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    const std::string part = folder + "started.part";
    {
        std::ofstream out(part);
        out << now.count() << ' ' << argc - 1 << '\n';
    }
    return std::rename(part.c_str(), (folder + "started").c_str()) == 0 ? 0 : 1;
}
