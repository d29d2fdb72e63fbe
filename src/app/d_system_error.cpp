#include "app/d_system_error.h"

using namespace runtime;

namespace {

struct Line {
    const char *column;
    const char *label;
    bool tall; // room for two lines of text
};

// Top to bottom, in the order of the report text.
const Line kLines[] = {
    {"datetime_error", "日期时间 :", false},
    {"errornum", "错误代码 :", false},
    {"message", "错误信息 :", true},
    {"sqlca_error", "SQL语句错误代码 :", false},
    {"sqldbca_error", "数据库错误代码 :", false},
    {"sqltext_error", "数据库错误信息 :", true},
    {"where", "窗口/菜单 :", false},
    {"object", "对象 :", false},
    {"event", "事件/函数 :", false},
    {"line", "行号 :", false},
    {"application_error", "应用程序名 :", false},
    {"database_error", "数据库名 :", false},
    {"server_name_error", "服务器名 :", false},
    {"userid", "用户名 :", false},
};

constexpr int kTop = 28;
constexpr int kLineHeight = 56;
constexpr int kTallHeight = 136;
constexpr int kGap = 24;

} // namespace

DataObject d_system_error()
{
    DataObject d("d_system_error");
    d.column("errornum", ColumnType::Char, 10)
        .column("message", ColumnType::Char, 255)
        .column("where", ColumnType::Char, 255)
        .column("object", ColumnType::Char, 255)
        .column("event", ColumnType::Char, 255)
        .column("line", ColumnType::Char, 255)
        .column("datetime_error", ColumnType::Char, 30)
        .column("radical_error", ColumnType::Char, 255)
        .column("server_name_error", ColumnType::Char, 20)
        .column("database_error", ColumnType::Char, 50)
        .column("sqlca_error", ColumnType::Char, 10)
        .column("sqldbca_error", ColumnType::Char, 10)
        .column("sqltext_error", ColumnType::Char, 255)
        .column("userid", ColumnType::Char, 30)
        .column("application_error", ColumnType::Char, 50);
    d.background(Colors::White);

    int y = kTop;
    for (const Line &line : kLines) {
        const int height = line.tall ? kTallHeight : kLineHeight;
        d.text(String(line.column) + "_t", Band::Detail, 37, y, 585, kLineHeight, line.label)
            .font("宋体", 9)
            .color(Colors::WindowText)
            .align(Alignment::Right);
        d.columnField(line.column, Band::Detail, 640, y, 1330, height).font("宋体", 9).color(Colors::WindowText);
        y += height + kGap;
    }
    d.bandHeight(Band::Detail, y + kTop);
    return d;
}
