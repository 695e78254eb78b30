// The settings file reader, through a file since it reads one.
#include <unistd.h>

#include <fstream>

#include "FuzzInput.h"
#include "core/app/DesignerSettings.h"
#include "core/app/SettingsFile.h"

using namespace roamplot;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/roamplot-fuzz-" + std::to_string(getpid()) + ".ini";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    SettingsFile file(path);
    DesignerSettings settings = ReadDesignerSettings(file);
    (void)RestoreWindowPosition(file, "MainForm", 256, 20, 1024, 768);
    (void)settings;
    return 0;
}
