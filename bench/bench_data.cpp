// bench_data <C: drive folder>: lays out what the benchmark reads, with generated fonts.
//   Windows\Fonts: 2,000 installed fonts, each with a face of its own
//   the root: 2,000 folders and 2,000 font files
//   Bench\Files: 10,000 font files; Bench\Folders: 10,000 folders
//   Bench\Preview: two fonts with faces nobody has
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/test_font.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Many names for one file's content: listing never reads it, and the disk stays small.
void Link(const fs::path& first, const fs::path& also) {
    if (link(first.c_str(), also.c_str()) != 0) throw fs::filesystem_error("link", also, {});
}

// "bench0042.ttf" from ("bench", 42, 4, ".ttf").
std::string Named(const char* prefix, int i, std::size_t width, const char* suffix) {
    const std::string digits = std::to_string(i);
    std::string name(prefix);
    name.append(width - digits.size(), '0').append(digits).append(suffix);
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_data <C: drive folder>\n");
        return 2;
    }
    using typelens::testing::MakeTestFont;
    const fs::path c = argv[1];
    for (int i = 0; i < 2000; ++i) {
        Write(c / "windows" / "Fonts" / Named("bench", i, 4, ".ttf"),
              MakeTestFont(Named("Bench Installed ", i, 4, "")));
        fs::create_directories(c / Named("Folder ", i, 4, ""));
    }
    const fs::path root = c / "root font 0000.ttf";
    Write(root, MakeTestFont("Bench Root Face"));
    for (int i = 1; i < 2000; ++i) Link(root, c / Named("root font ", i, 4, ".ttf"));

    const fs::path files = c / "Bench" / "Files";
    Write(files / "file00000.ttf", MakeTestFont("Bench Listed Face"));
    for (int i = 1; i < 10000; ++i)
        Link(files / "file00000.ttf", files / Named("file", i, 5, ".ttf"));
    for (int i = 0; i < 10000; ++i)
        fs::create_directories(c / "Bench" / "Folders" / Named("d", i, 5, ""));

    Write(c / "Bench" / "Preview" / "one.ttf", MakeTestFont("Bench Preview One"));
    Write(c / "Bench" / "Preview" / "two.ttf",
          MakeTestFont("Bench Preview Two", typelens::testing::FontLook::Dots));
    std::printf("bench_data: wrote the benchmark's fonts and folders under %s\n", argv[1]);
    return 0;
}
