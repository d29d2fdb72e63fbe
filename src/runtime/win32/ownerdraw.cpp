#include "runtime/win32/ownerdraw.h"

#include <map>

namespace runtime {

namespace {

long nextNumber = 0;

template <class Record>
std::map<long, Record *> &lent()
{
    static std::map<long, Record *> records;
    return records;
}

template <class Record>
Record *recordOf(long number)
{
    auto found = lent<Record>().find(number);
    return found == lent<Record>().end() ? nullptr : found->second;
}

} // namespace

template <class Record>
RecordLease<Record>::RecordLease(Record &record) : number_(++nextNumber)
{
    lent<Record>()[number_] = &record;
}

template <class Record>
RecordLease<Record>::~RecordLease()
{
    lent<Record>().erase(number_);
}

template class RecordLease<MeasureItemRecord>;
template class RecordLease<DrawItemRecord>;

MeasureItemRecord *MeasureItemRecordOf(long number) { return recordOf<MeasureItemRecord>(number); }
DrawItemRecord *DrawItemRecordOf(long number) { return recordOf<DrawItemRecord>(number); }

} // namespace runtime
