// The file writer in a process of its own, for tests that run it as another user or kill it:
//   writefile_helper PATH TEXT     writes TEXT as the file PATH; prints the reason on failure
//   writefile_helper PATH TEXT N   writes it N times (0: until killed); status 1 at the first failure
//   writefile_helper --folder PATH makes the folder PATH as a user's maps folder is made
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "storage/filewriter.h"

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    if (std::string(argv[1]) == "--folder") {
        std::string why;
        if (Storage::makeFolders(argv[2], &why))
            return 0;
        std::printf("%s\n", why.c_str());
        return 1;
    }
    const std::string text = argv[2];
    const long times = argc > 3 ? std::atol(argv[3]) : 1;
    for (long i = 0; times == 0 || i < times; ++i) {
        std::string why;
        if (!Storage::writeFile(argv[1], std::as_bytes(std::span(text)), {}, &why)) {
            std::printf("%s\n", why.c_str());
            return 1;
        }
    }
    return 0;
}
