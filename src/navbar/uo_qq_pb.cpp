#include "navbar/uo_qq_pb.h"

using namespace runtime;

namespace {
constexpr size_t kMostGroups = 8;
}

uo_qq_pb::uo_qq_pb(ControlParent &parent, const String &name) : UserObject(parent, name) {}

nvo_qq_group *uo_qq_pb::of_addgroup(const String &st_groupid, const String &st_text)
{
    if (groups_.size() >= kMostGroups)
        return groups_.back().get();
    groups_.push_back(std::make_unique<nvo_qq_group>(st_groupid, st_text));
    return groups_.back().get();
}

void uo_qq_pb::of_movespeed(long) {}

void uo_qq_pb::of_draw() {}

int uo_qq_pb::of_resize() { return 1; }
