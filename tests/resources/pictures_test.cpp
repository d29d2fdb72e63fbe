// Every picture the program names is one it ships: the names its windows,
// data objects, menu and navigation bar set, and the picture of every
// question of the bank, each looked up as the program looks it up. The table
// below is checked against the program's sources, so a picture name added
// there without a row here fails.
#include "runtime/draw/picture.h"

#include "test_database.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using runtime::LoadPicture;

namespace {

enum class Kind {
    Shipped,         // loads as it is named
    QuestionPicture, // "images\" + a question's picture name, checked over the bank
    Placeholder,     // never shown to the learner (see the row)
};

struct Named {
    const char *name;
    Kind kind;
    const char *use;
};

const Named kNames[] = {
    {"pic\\cat.gif", Kind::Shipped, "the frame's logo"},
    {":/pic/cat.gif", Kind::Shipped, "the application's window icon"},
    {"pic\\logo.gif", Kind::Shipped, "the navigation bar's buttons"},
    {"pic\\info.gif", Kind::Shipped, "status bar"},
    {"pic\\user.gif", Kind::Shipped, "status bar"},
    {"pic\\time.gif", Kind::Shipped, "status bar"},
    {"pic\\dept.gif", Kind::Shipped, "status bar"},
    {"pic\\resize.gif", Kind::Shipped, "status bar's size grip"},
    {"Application!", Kind::Shipped, "the toolbar's set practice"},
    {"Custom006!", Kind::Shipped, "the toolbar's review"},
    {"AlignLeft!", Kind::Shipped, "the toolbar's hiding of the navigation bar"},
    {"AlignRight!", Kind::Shipped, "the toolbar's showing of the navigation bar"},
    {"Exit!", Kind::Shipped, "the toolbar's exit"},
    {"back.bmp", Kind::Shipped, "the vehicle-class window's face"},
    {"pic\\nopic.jpg", Kind::Shipped, "the examinee's photo"},
    {"pic\\error_enter.jpg", Kind::Shipped, "the prompt after too many wrong answers"},
    {"pic\\ok.gif", Kind::Shipped, "the question windows' right-answer mark"},
    {"pic\\error.gif", Kind::Shipped, "the question windows' wrong-answer mark"},
    {"images\\", Kind::QuestionPicture, "the question windows' picture of the question"},
    {"bitmap('images\\'+pic)", Kind::QuestionPicture, "the result list's picture column"},
    // The design picture of the question windows' picture control: their
    // display hides the control or names the question's picture before any
    // question shows, and no question is named so.
    {"images\\1.1.1.19.gif", Kind::Placeholder, "design picture of p_pic"},
};

bool HasVisiblePixel(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

TEST(Pictures, EveryNameTheProgramSetsLoads)
{
    for (const Named &n : kNames) {
        if (n.kind != Kind::Shipped)
            continue;
        const QPixmap pixmap = LoadPicture(n.name);
        EXPECT_FALSE(pixmap.isNull()) << n.name << " (" << n.use << ")";
        EXPECT_TRUE(HasVisiblePixel(pixmap)) << n.name << " (" << n.use << ") is blank";
    }
}

TEST(Pictures, EveryQuestionPictureOfTheBankLoads)
{
    const bank::Bank b = bank::ReadBank(SOURCE_DIR "/data", SOURCE_DIR "/resources/images");
    int pictures = 0;
    for (const bank::Question &q : b.questions) {
        if (q.pic.empty())
            continue;
        ++pictures;
        EXPECT_FALSE(LoadPicture("images\\" + runtime::String(q.pic)).isNull()) << q.pic << " of question " << q.mno;
    }
    EXPECT_GT(pictures, 0);
}

// A text in the program's sources that names a picture, where it stands.
struct Found {
    std::string name;
    std::string where;
};

// The string literals of a C++ source, comments left out, each with what
// stands before it on its line.
std::vector<std::pair<std::string, std::string>> Literals(const std::string &code)
{
    std::vector<std::pair<std::string, std::string>> out;
    size_t lineStart = 0;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '\n') {
            lineStart = i + 1;
        } else if (code.compare(i, 2, "//") == 0) {
            i = code.find('\n', i) - 1;
        } else if (code.compare(i, 2, "/*") == 0) {
            i = std::min(code.find("*/", i), code.size()) + 1;
            lineStart = code.rfind('\n', i) + 1;
        } else if (c == '"' || c == '\'') {
            const std::string before = code.substr(lineStart, i - lineStart);
            std::string text;
            for (++i; i < code.size() && code[i] != c; ++i) {
                if (code[i] == '\\')
                    ++i;
                text += code[i];
            }
            if (c == '"')
                out.emplace_back(text, before);
        }
    }
    return out;
}

bool EndsWith(const std::string &s, const std::string &end)
{
    return s.size() > end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Whether a literal names a picture: a picture folder or file, or a stock
// picture ("Exit!") given to a call that sets a picture (not a pointer such
// as "HyperLink!").
bool NamesPicture(std::string text, const std::string &before)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text.find("pic\\") != std::string::npos || text.find("images\\") != std::string::npos)
        return true;
    for (const char *ext : {".gif", ".jpg", ".jpeg", ".bmp", ".ico", ".png"})
        if (EndsWith(text, ext) && text[0] != '.')
            return true;
    if (!EndsWith(text, "!"))
        return false;
    const size_t pointer = before.rfind("ointer");
    for (const char *setter : {"ToolbarItemName", "SetPictureName", "picture(", "of_addbutton", "of_setpicture"}) {
        const size_t at = before.rfind(setter);
        if (at != std::string::npos && (pointer == std::string::npos || at > pointer))
            return true;
    }
    return false;
}

// The picture names of the program's own sources (the runtime names none).
std::vector<Found> PictureNamesInSources()
{
    std::vector<Found> found;
    const fs::path src = SOURCE_DIR "/src";
    for (const auto &entry : fs::recursive_directory_iterator(src)) {
        const fs::path rel = fs::relative(entry.path(), src);
        const std::string top = rel.begin()->string();
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || top == "runtime" || top == "cipherlib" || (ext != ".cpp" && ext != ".h"))
            continue;
        std::ifstream in(entry.path());
        std::stringstream code;
        code << in.rdbuf();
        for (const auto &[text, before] : Literals(code.str()))
            if (NamesPicture(text, before))
                found.push_back({text, rel.string()});
    }
    return found;
}

TEST(Pictures, TheTableHoldsEveryPictureNameOfTheSourcesAndNoOther)
{
    std::set<std::string> inTable, inSources;
    for (const Named &n : kNames)
        inTable.insert(n.name);
    for (const Found &f : PictureNamesInSources()) {
        inSources.insert(f.name);
        EXPECT_TRUE(inTable.count(f.name)) << f.name << " in src/" << f.where << " is not in the table";
    }
    for (const std::string &name : inTable)
        EXPECT_TRUE(inSources.count(name)) << name << " is in the table but the sources no longer name it";
}

} // namespace
