#include "dataobjects/dataobjects.h"

using namespace runtime;

DataObject d_kznr_new()
{
    DataObject d("d_kznr_new");
    d.column("id", ColumnType::Long)
        .column("fl", ColumnType::Long)
        .column("jfl", ColumnType::Long)
        .column("tx1_sl", ColumnType::Char, 250)
        .column("tx2_sl", ColumnType::Char, 250)
        .column("cx", ColumnType::Char, 10)
        .column("issdth", ColumnType::Long)
        .column("sdth1", ColumnType::Char, 255)
        .column("sdth2", ColumnType::Char, 255)
        .column("sdsl1", ColumnType::Long)
        .column("sdsl2", ColumnType::Number)
        .column("tx3_sl", ColumnType::Char, 250);
    d.select("select id, fl, jfl, tx1_sl, tx2_sl, cx, issdth, sdth1, sdth2, sdsl1, sdsl2, tx3_sl from t_kznr");
    d.update("t_kznr", {"id"}, {"tx1_sl", "tx2_sl", "tx3_sl"});
    return d;
}
