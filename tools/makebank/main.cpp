// makebank: builds the trainer's database from the bank's source files.
//
//   makebank [--data DIR] [--images DIR] --out FILE   build FILE unless it exists
//   makebank --check [--data DIR] [--images DIR]      only read and check the sources
//   makebank --synthetic N --out FILE                  a made-up bank of N questions
//   makebank --stats FILE                              the figures of a built database
#include "bank.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

namespace {

int usage()
{
    std::cerr << "usage: makebank [--data DIR] [--images DIR] --out FILE\n"
                 "       makebank --check [--data DIR] [--images DIR]\n"
                 "       makebank --synthetic N --out FILE\n"
                 "       makebank --stats FILE\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    std::string data = "data", images, out, stats;
    long synthetic = 0;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::invalid_argument(arg + " needs a value");
            return argv[++i];
        };
        try {
            if (arg == "--data")
                data = value();
            else if (arg == "--images")
                images = value();
            else if (arg == "--out")
                out = value();
            else if (arg == "--stats")
                stats = value();
            else if (arg == "--synthetic")
                synthetic = std::stol(value());
            else if (arg == "--check")
                check = true;
            else
                return usage();
        } catch (const std::exception &e) {
            std::cerr << "makebank: " << e.what() << "\n";
            return usage();
        }
    }
    if (images.empty())
        images = (fs::path(data) / ".." / "resources" / "images").lexically_normal().string();

    try {
        if (!stats.empty()) {
            for (const auto &line : bank::DatabaseStats(stats))
                std::cout << line << "\n";
            return 0;
        }
        if (out.empty() && !check)
            return usage();
        // A database already there may hold a learner's answers, wrong-answer
        // book and score sheets: it is never overwritten.
        if (!check && fs::exists(out)) {
            std::cout << "makebank: " << out << " exists and is kept (remove it to build afresh)\n";
            return 0;
        }
        const bank::Bank b = synthetic > 0 ? bank::SyntheticBank(synthetic) : bank::ReadBank(data, images);
        if (check) {
            std::cout << "makebank: " << b.questions.size() << " questions checked\n";
            return 0;
        }
        bank::WriteDatabase(b, out);
        std::cout << "makebank: wrote " << out << " (" << b.questions.size() << " questions)\n";
        return 0;
    } catch (const bank::SourceError &e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const std::exception &e) {
        std::cerr << "makebank: " << e.what() << "\n";
        return 1;
    }
}
