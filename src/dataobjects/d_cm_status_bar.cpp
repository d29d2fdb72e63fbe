#include "dataobjects/dataobjects.h"

using namespace runtime;

namespace {

// A panel's edge: grey along the top and left, white along the bottom and
// right, so the panel looks sunken.
void edge(DataObject &d, const char *name, int x1, int y1, int x2, int y2, bool lit)
{
    d.line(name, Band::Detail, x1, y1, x2, y2).pen(5, lit ? Colors::White : RGB(128, 128, 128));
}

DrawObject &label(DataObject &d, const char *name, int x, int width, const char *text)
{
    return d.text(name, Band::Detail, x, 12, width, 48, text)
        .font("宋体", 9, 400, 134)
        .color(Colors::Black)
        .background(1, Colors::Transparent);
}

DrawObject &field(DataObject &d, const char *name, int x, int width, const char *expression)
{
    return d.compute(name, Band::Detail, x, 12, width, 48, expression)
        .font("宋体", 9, 400, 134)
        .color(Colors::Black)
        .background(1, Colors::Transparent);
}

} // namespace

DataObject d_cm_status_bar()
{
    DataObject d("d_cm_status_bar");
    d.column("user", ColumnType::Char, 32).column("begin", ColumnType::DateTime).column("sys_date", ColumnType::DateTime);
    d.bandHeight(Band::Detail, 72);
    d.background(Colors::ButtonFace);

    // Status
    edge(d, "l_17", 9, 0, 937, 0, false);
    edge(d, "l_1", 9, 0, 9, 68, false);
    edge(d, "l_16", 14, 68, 942, 68, true);
    edge(d, "l_15", 942, 4, 942, 72, true);
    d.picture("p_2", Band::Detail, 18, 4, 73, 64, "pic\\info.gif").property("pointer", "HyperLink!");
    label(d, "st_unitname", 110, 823, "").property("pointer", "HyperLink!");

    // User
    edge(d, "l_12", 960, 0, 1481, 0, false);
    edge(d, "l_11", 955, 0, 955, 68, false);
    edge(d, "l_13", 965, 68, 1486, 68, true);
    edge(d, "l_14", 1486, 4, 1486, 72, true);
    d.picture("p_3", Band::Detail, 965, 4, 73, 64, "pic\\user.gif");
    label(d, "st_user", 1079, 393, "text");

    // Date and time of the opening
    edge(d, "l_9", 1504, 0, 2085, 0, false);
    edge(d, "l_2", 2066, 0, 2446, 0, false);
    edge(d, "l_3", 1499, 0, 1499, 72, false);
    edge(d, "l_10", 1499, 68, 2080, 68, true);
    edge(d, "l_6", 2066, 68, 2450, 68, true);
    edge(d, "l_7", 2450, 4, 2450, 72, true);
    d.picture("p_4", Band::Detail, 1509, 4, 73, 64, "pic\\time.gif");
    field(d, "day", 1618, 379, "string( sys_date ,'yyyy年m月d日')").align(Alignment::Left);
    field(d, "weekname", 2030, 160,
          "case( daynumber(sys_date )  when 1 then '星期天' when 2 then '星期一' when 3 then '星期二' when 4 "
          "then '星期三' when 5 then '星期四'  when 6 then '星期五' when 7 then  '星期六' else '')")
        .align(Alignment::Center)
        .colorExpression("0\tcase (daynumber(sys_date) when 1 then 255 when 7 then 255 else 0)");
    field(d, "login_date", 2203, 233, "string(sys_date,'hh:mm')").align(Alignment::Center);

    // The maker, stretched with the frame
    edge(d, "line_1", 2469, 0, 3333, 0, false);
    edge(d, "l_8", 2464, 0, 2464, 68, false);
    edge(d, "line_2", 2464, 68, 3273, 68, true);
    edge(d, "line_3", 3333, 0, 3333, 20, true);
    d.picture("p_1", Band::Detail, 2473, 4, 73, 64, "pic\\dept.gif");
    label(d, "st_mess", 2578, 672, "").background(1, 553648127);
    d.picture("p_resize", Band::Detail, 3259, 12, 82, 80, "pic\\resize.gif");
    return d;
}
