#include "practice/w_tc_select11.h"

#include "review/w_error_select.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_tc_select11> w_tc_select11;

namespace {

struct SetRow {
    const char *set, *review; // control names
    const char *name;
    int flag;
    int x, y, width;      // set button
    int reviewX;          // review button
    int setTab, reviewTab;
};

const SetRow kSets[] = {
    {"cb_1", "cb_23", "试卷1", 1, 197, 432, 302, 512, 10, 260},
    {"cb_2", "cb_24", "试卷2", 2, 951, 432, 302, 1266, 20, 250},
    {"cb_3", "cb_25", "试卷3", 3, 1664, 432, 302, 1975, 40, 240},
    {"cb_6", "cb_26", "试卷4", 4, 197, 600, 302, 512, 30, 350},
    {"cb_7", "cb_27", "试卷5", 5, 951, 600, 302, 1266, 50, 340},
    {"cb_8", "cb_28", "试卷6", 6, 1664, 600, 302, 1975, 60, 330},
    {"cb_9", "cb_19", "试卷7", 7, 197, 772, 302, 512, 70, 230},
    {"cb_10", "cb_34", "试卷8", 8, 951, 772, 302, 1266, 80, 200},
    {"cb_11", "cb_5", "试卷9", 9, 1664, 772, 302, 1970, 210, 210},
    {"cb_13", "cb_12", "试卷10", 10, 192, 964, 311, 507, 210, 210},
    {"cb_14", "cb_17", "试卷11", 11, 951, 964, 311, 1266, 390, 400},
    {"cb_20", "cb_35", "货车专用题", 20, 201, 1156, 462, 672, 150, 280},
    {"cb_22", "cb_37", "客车专用题", 21, 955, 1156, 462, 1422, 160, 360},
};

struct Hidden {
    const char *name;
    int x, y;
};

const Hidden kVideos[] = {
    {"cb_16", 82, 100},   {"cb_43", 1056, 100}, {"cb_48", 1993, 100}, {"cb_39", 82, 284},
    {"cb_44", 1056, 284}, {"cb_49", 1993, 284}, {"cb_40", 82, 464},   {"cb_45", 1056, 464},
    {"cb_50", 1993, 464}, {"cb_41", 82, 648},   {"cb_46", 1056, 648}, {"cb_51", 1993, 648},
    {"cb_42", 82, 836},   {"cb_47", 1056, 836}, {"cb_52", 1993, 836}, {"cb_53", 96, 1032},
    {"cb_54", 1189, 1032},
};

void heading(StaticText &st, const String &text, int x, int y, int width)
{
    st.Move(x, y);
    st.Resize(width, 76);
    st.SetText(text);
    st.SetFont({"Arial", 12, 700, kAnsiCharSet});
    st.SetTextColor(RGB(255, 0, 0));
    st.SetBackColor(kButtonFace);
}

} // namespace

w_tc_select11::w_tc_select11() : Window("w_tc_select11")
{
    SetWindowType(WindowType::Main);
    Resize(2574, 1756);
    SetTitle("套餐选择");
    SetControlMenu(true);
    SetMinBox(true);
    SetMaxBox(true);
    SetResizable(true);
    SetCenter(true);
    SetBackColor(kButtonFace);
    SetIcon("AppIcon!");

    heading(st_1, "报考小车的：练习试卷1-试卷11", 50, 28, 1097);
    heading(st_3, "报考客车的：练习试卷1-试卷11+客车专用题", 46, 116, 1527);
    heading(st_2, "报考货车的：练习试卷1-试卷11+货车专用题", 50, 216, 1527);

    const Font arial{"Arial", 12, 700, kAnsiCharSet};
    for (const SetRow &r : kSets) {
        auto &set = sets.emplace_back(std::make_unique<CommandButton>(*this, r.set));
        set->Move(r.x, r.y);
        set->Resize(r.width, 104);
        set->SetText(r.name);
        set->SetFont(arial);
        set->SetTabOrder(r.setTab);
        set->clicked = [this, r] { f_tc(r.name, r.flag); };

        auto &review = reviews.emplace_back(std::make_unique<CommandButton>(*this, r.review));
        review->Move(r.reviewX, r.y);
        review->Resize(256, 104);
        review->SetText("错误回顾");
        review->SetFont({"宋体", 9, 700, kGB2312CharSet});
        review->SetTabOrder(r.reviewTab);
        review->clicked = [this, r] { f_error(r.flag); };
    }
    sets.front()->SetDefault(true);

    cb_15.Move(448, 1356);
    cb_15.Resize(768, 128);
    cb_15.SetText("查看全部错误回顾");
    cb_15.SetFont(arial);
    cb_15.SetTabOrder(180);
    cb_15.clicked = [] { Open(w_error_select); };

    cb_4.Move(1230, 1364);
    cb_4.Resize(768, 116);
    cb_4.SetText("退出");
    cb_4.SetFont(arial);
    cb_4.SetTabOrder(210);
    cb_4.clicked = [this] { Close(*this); };

    // The video buttons start outside programs that are not part of the
    // trainer; nothing makes them visible.
    for (const Hidden &h : kVideos) {
        auto &video = videos.emplace_back(std::make_unique<CommandButton>(*this, h.name));
        video->Move(h.x, h.y);
        video->Resize(256, 104);
        video->SetText("视频");
        video->SetFont(arial);
        video->SetVisible(false);
    }
}
