#include "dataobjects/dataobjects.h"

using namespace runtime;

DataObject d_cx()
{
    DataObject d("d_cx");
    d.column("name", ColumnType::Char, 2).column("readme", ColumnType::Char, 50);
    d.select("select name, readme from t_cx");
    return d;
}
