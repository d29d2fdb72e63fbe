#include "dataobjects/dataobjects.h"

using namespace runtime;

DataObject d_cjd()
{
    DataObject d("d_cjd");
    d.column("mdate", ColumnType::Char, 20)
        .column("cj", ColumnType::Char, 10)
        .column("dw", ColumnType::Char, 100)
        .column("sfzh", ColumnType::Char, 18)
        .column("name", ColumnType::Char, 20);
    d.bandHeight(Band::Detail, 1264);
    d.background(Colors::WindowBackground);

    d.text("t_1", Band::Detail, 1042, 144, 512, 100, "成    绩   单")
        .font("Arial", 16, 700, 0)
        .color(Colors::WindowText)
        .background(1);

    struct Label {
        const char *name;
        int x, y, width;
        const char *text;
    };
    for (const Label &l : {Label{"t_3", 233, 412, 425, "成绩:"}, Label{"name_t", 233, 552, 425, "姓名:"},
                           Label{"sfzh_t", 78, 692, 581, "身份证号:"}, Label{"dw_t", 297, 832, 361, "单位:"},
                           Label{"t_2", 297, 972, 361, "时间:"}})
        d.text(l.name, Band::Detail, l.x, l.y, l.width, 92, l.text)
            .font("Arial", 14, 700, 0)
            .color(Colors::WindowText)
            .background(1)
            .align(Alignment::Right);

    // The score is filled in by the opener and takes no focus.
    d.columnField("cj", Band::Detail, 681, 392, 498, 120)
        .font("Arial", 18, 700, 0)
        .color(Colors::WindowText)
        .background(0, Colors::WindowBackground)
        .border(4);

    struct Field {
        const char *column;
        int y, tabOrder;
    };
    for (const Field &f : {Field{"name", 532, 10}, Field{"sfzh", 672, 20}, Field{"dw", 812, 30}, Field{"mdate", 952, 40}})
        d.columnField(f.column, Band::Detail, 681, f.y, 1426, 112)
            .font("Arial", 14, 700, 0)
            .color(Colors::WindowText)
            .background(1)
            .border(4)
            .tabOrder(f.tabOrder);
    return d;
}
