// Item icons: picture names by kind, looked up as every picture of the
// program is, and shown in the icon column of the items they belong to.
#include "menurender_support.h"

#include "runtime/win32/icons.h"

#include <QDir>
#include <QTemporaryDir>

using namespace runtime;

namespace {

// A folder of pictures, made the working folder for the test's time as the
// program's folder is the trainer's: "pic\CAR.ICO" names pic/CAR.ICO in it.
class PictureFolder {
public:
    PictureFolder() : previous(QDir::currentPath())
    {
        QDir(folder.path()).mkdir("pic");
        QDir::setCurrent(folder.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous); }
    bool save(const QImage &picture, const char *path, const char *format)
    {
        return picture.save(QDir(folder.path()).filePath(path), format);
    }

private:
    QTemporaryDir folder;
    QString previous;
};

TEST(RendererIcons, PictureNamesByKind)
{
    nvo_supermenu_class renderer;
    EXPECT_EQ(renderer.of_geticonhandle(""), 0);
    EXPECT_EQ(renderer.of_geticonhandle("plain"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("missing.ico"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("pic\\missing.BMP"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("missing.bmp!"), 0) << "a bitmap file, not a stock picture";
    const long stock = renderer.of_geticonhandle("Exit!");
    EXPECT_TRUE(IsIcon(stock));
    DestroyIcon(stock);
}

// Each picture is white with a coloured square in its middle; an item with
// it as its toolbar picture shows it in the icon column, 3 pixels in. A
// bitmap's top-left colour lets the menu through; an icon keeps every pixel.
TEST(RendererIcons, IconAndBitmapFilesNamedWithBackslashesShowInTheirItems)
{
    struct Case {
        const char *name, *file, *format;
        QColor middle;
        long corner;
    };
    const long white = RGB(255, 255, 255), menuColour = GetSysColor(SystemColor::Menu);
    const Case cases[] = {
        {"pic\\CAR.ICO", "pic/CAR.ICO", "ICO", Qt::green, white},
        {"pic\\Flag.bmp", "pic/Flag.bmp", "BMP", Qt::red, menuColour},
        // ".ico" is looked for first, wherever it stands.
        {"pic\\both.ico.bmp", "pic/both.ico.bmp", "BMP", Qt::blue, white},
    };
    PictureFolder folder;
    for (const Case &c : cases) {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x)
                picture.setPixelColor(x, y, c.middle);
        ASSERT_TRUE(folder.save(picture, c.file, c.format)) << c.file;

        w_render_host host;
        host.menu().m_copy.ToolbarItemName = c.name;
        nvo_supermenu_class renderer;
        renderer.of_registerwindow(host);
        ASSERT_TRUE(IsIcon(renderer.items()[3].hicon)) << c.name;

        Canvas canvas(120, 24);
        DrawItem(renderer, canvas, 4);
        EXPECT_EQ(canvas.at(3 + 8, 3 + 8), RGB(c.middle.red(), c.middle.green(), c.middle.blue())) << c.name;
        EXPECT_EQ(canvas.at(3 + 1, 3 + 1), c.corner) << c.name;
    }
}

TEST(RendererIcons, SetMenuIconByNameOrMenuItemNameOnlyWhereThereIsNone)
{
    w_render_host host;
    nvo_supermenu_class renderer;
    renderer.of_registerwindow(host);
    renderer.of_setmenuicon("id", "m_copy", "Exit!");
    const unsigned long copyIcon = renderer.items()[3].hicon;
    EXPECT_TRUE(IsIcon(copyIcon));
    renderer.of_setmenuicon("BYID", "m_copy", "Exit!");
    EXPECT_EQ(renderer.items()[3].hicon, copyIcon) << "an icon is never replaced";
    renderer.of_setmenuicon("MENUID", "Deep", "Exit!");
    EXPECT_TRUE(IsIcon(renderer.items()[5].hicon)) << "any other word looks up the text";
    renderer.of_setmenuicon("ID", "m_nothing", "Exit!");
}

} // namespace
