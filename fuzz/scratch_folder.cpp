#include "fuzz/scratch_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

const std::string& ScratchFolder() {
    // Never destroyed: the exit handler below still needs the name.
    static const std::string* folder = [] {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/vellumtarn-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            perror("vellumtarn fuzz: cannot create a scratch folder");
            exit(1);
        }
        // Left behind only when the process dies.
        atexit([] { std::filesystem::remove_all(ScratchFolder()); });
        return new std::string(pattern);
    }();
    return *folder;
}

void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr || (size > 0 && fwrite(data, 1, size, file) != size) || fclose(file) != 0) {
        perror(path.c_str());
        exit(1);
    }
}

void SilenceStandardOutput() {
    fflush(stdout);
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        close(devNull);
    }
}
