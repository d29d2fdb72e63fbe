#include "dataobjects/dataobjects.h"

using namespace runtime;

DataObject d_kzmn()
{
    DataObject d("d_kzmn");
    d.column("mno", ColumnType::Long)
        .column("tx", ColumnType::Char, 1)
        .column("answer", ColumnType::Char, 4)
        .column("zdanswer", ColumnType::Char, 4)
        .column("flag", ColumnType::Char, 255)
        .column("nr", ColumnType::Char, 255)
        .column("readme", ColumnType::Char, 255)
        .column("xh", ColumnType::Long)
        .column("choice1", ColumnType::Char, 255)
        .column("choice2", ColumnType::Char, 255)
        .column("choice3", ColumnType::Char, 255)
        .column("choice4", ColumnType::Char, 255)
        .column("txt", ColumnType::Char, 255)
        .column("analyse", ColumnType::Char, 255)
        .column("pic", ColumnType::Char, 50)
        .column("picflag", ColumnType::Char, 1)
        .column("errorflag", ColumnType::Char, 1)
        .column("tieba", ColumnType::Char, 50);
    d.select("select mno, tx, answer, zdanswer, flag, nr, readme, xh, choice1, choice2, choice3, choice4, "
             "txt, analyse, pic, picflag, errorflag, tieba from t_kzmn");
    d.sort("tx D, xh A, flag A, nr A, mno A");
    d.update("t_kzmn", {"mno"}, {"answer", "zdanswer", "choice1", "choice2", "choice3", "choice4", "errorflag"});
    return d;
}
