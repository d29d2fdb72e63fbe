#include "dataobjects/dataobjects.h"

using namespace runtime;

// Twelve cells to a row; the ninth row holds questions 97 to 100. Tops of the
// rows and left edges of the columns, in window units.
static const int kRowTop[] = {40, 144, 256, 364, 480, 596, 720, 838, 960};
static const int kColumnLeft[] = {22, 148, 274, 400, 525, 653, 781, 912, 1040, 1168, 1298, 1426};

DataObject d_button_2013()
{
    DataObject d("d_button_2013");
    d.column("a", ColumnType::Char, 10);
    d.bandHeight(Band::Detail, 1064);
    d.background(Colors::White);
    for (int n = 1; n <= 100; ++n) {
        const int top = kRowTop[(n - 1) / 12];
        const int left = kColumnLeft[(n - 1) % 12];
        d.text("t_" + String(n), Band::Detail, left, top, 119, 92, "")
            .font("宋体", 8, 400)
            .color(Colors::WindowText)
            .background(0, RGB(194, 194, 194))
            .align(Alignment::Center)
            .border(1);
    }
    // The answer texts lie in the lower part of their cells and let the
    // cell's colour show through.
    for (int n = 1; n <= 100; ++n) {
        const int top = kRowTop[(n - 1) / 12];
        const int left = kColumnLeft[(n - 1) % 12];
        d.text("t_" + String(n + 100), Band::Detail, left + 5, top + 40, 110, 52, "")
            .font("宋体", 8, 400)
            .color(Colors::WindowText)
            .background(1)
            .align(Alignment::Center);
    }
    return d;
}
