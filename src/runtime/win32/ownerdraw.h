// Owner-drawn items: the records a window receives when it is asked to
// measure or draw an item it paints itself. A message carries a record as a
// number; the record is lent for as long as its lease lives, and a number
// that stands for no lent record gives nothing.
#pragma once

#include "runtime/win32/gdi.h"

namespace runtime {

inline constexpr unsigned long kOwnerDrawMenu = 1;     // the record's control type for a menu item
inline constexpr unsigned long kItemSelected = 1;      // item state: highlighted

struct MeasureItemRecord {
    unsigned long ctlType = 0, ctlId = 0, itemId = 0;
    unsigned long itemWidth = 0, itemHeight = 0; // written by the owner
    unsigned long itemData = 0;
};

struct DrawItemRecord {
    unsigned long ctlType = 0, ctlId = 0, itemId = 0, itemAction = 0, itemState = 0;
    WindowHandle hwndItem = 0;
    DeviceContext hdc = 0;
    Rect rcItem;
    unsigned long itemData = 0;
};

// Lends a record under a number for the lease's lifetime.
template <class Record>
class RecordLease {
public:
    explicit RecordLease(Record &record);
    ~RecordLease();
    RecordLease(const RecordLease &) = delete;
    RecordLease &operator=(const RecordLease &) = delete;
    long number() const { return number_; }

private:
    long number_;
};

// The record lent under number; null when none is.
MeasureItemRecord *MeasureItemRecordOf(long number);
DrawItemRecord *DrawItemRecordOf(long number);

} // namespace runtime
