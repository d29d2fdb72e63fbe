#include "dataobjects/dataobjects.h"

using namespace runtime;

DataObject d_jj()
{
    DataObject d("d_jj");
    d.column("mno", ColumnType::Long)
        .column("tx", ColumnType::Char, 1)
        .column("t_kzmn_xh", ColumnType::Long)
        .column("t_kzmn_flag", ColumnType::Char, 255)
        .column("t_kzmn_nr", ColumnType::Char, 255)
        .column("txt", ColumnType::Char, 255)
        .column("choice1", ColumnType::Char, 255)
        .column("choice2", ColumnType::Char, 255)
        .column("choice3", ColumnType::Char, 255)
        .column("choice4", ColumnType::Char, 255)
        .column("zdanswer", ColumnType::Char, 4)
        .column("answer", ColumnType::Char, 4)
        .column("pic", ColumnType::Char, 50)
        .column("picflag", ColumnType::Char, 1)
        .column("analyse", ColumnType::Char, 255)
        .column("readme", ColumnType::Char, 255);
    d.select("SELECT t_kzmn.mno, t_kzmn.tx, t_kzmn.xh, t_kzmn.flag, t_kzmn.nr, t_kzmn.txt, "
             "t_kzmn.choice1, t_kzmn.choice2, t_kzmn.choice3, t_kzmn.choice4, t_kzmn.zdanswer, "
             "t_kzmn.answer, t_kzmn.pic, t_kzmn.picflag, t_kzmn.analyse, t_kzmn.readme "
             "FROM t_kzmn WHERE t_kzmn.answer<>t_kzmn.zdanswer "
             "ORDER BY t_kzmn.xh ASC, t_kzmn.flag ASC, t_kzmn.nr ASC");
    d.sort("tx D, t_kzmn_xh A, t_kzmn_flag A, t_kzmn_nr A, mno A");
    d.bandHeight(Band::Header, 64);
    d.bandHeight(Band::Detail, 532);

    struct Caption {
        const char *name;
        int x, width;
        const char *text;
    };
    for (const Caption &c : {Caption{"t_1", 9, 174, " 序号"}, Caption{"t_2", 1568, 1024, "内容选择"},
                             Caption{"t_3", 2601, 1056, "图象"}, Caption{"t_4", 3666, 539, "结果分析"},
                             Caption{"t_5", 4215, 137, "标志"}})
        d.text(c.name, Band::Header, c.x, 8, c.width, 72, c.text)
            .font("Arial", 9, 400, 0)
            .color(Colors::WindowText)
            .background(0, Colors::WindowBackground)
            .align(Alignment::Center);

    struct Cell {
        const char *name;
        int x, width, points;
        Alignment alignment;
        const char *expression;
    };
    for (const Cell &c : {
             Cell{"compute_2", 9, 174, 12, Alignment::Center, "getrow()"},
             Cell{"compute_6", 192, 1367, 12, Alignment::Left, "of_decrypt(txt)"},
             Cell{"compute_1", 1568, 1024, 12, Alignment::Left,
                  "'A、'+ of_decrypt(choice1)+'~r~n'+'B、'+ of_decrypt(choice2)+if(tx='1' or tx='0','~r~n'+'C、'+ "
                  "of_decrypt(choice3)+'~r~n'+'D、'+ of_decrypt(choice4),'')"},
             Cell{"compute_5", 2601, 1056, 0, Alignment::Left, "bitmap('images\\'+pic)"},
             Cell{"compute_3", 3666, 539, 11, Alignment::Left,
                  "'你做答案:'+if(zdanswer='0','无',gf_getstring(zdanswer))+'~n~r'+'标准答案:'+gf_getstring( answer)"},
             Cell{"compute_4", 4215, 137, 12, Alignment::Center, "if( answer = zdanswer ,'√','×')"},
         }) {
        DrawObject &o = d.compute(c.name, Band::Detail, c.x, 8, c.width, 512, c.expression)
                            .color(Colors::WindowText)
                            .background(1)
                            .align(c.alignment);
        if (c.points > 0)
            o.font("Arial", c.points, 400, 0);
    }
    return d;
}
