// A made-up bank of any size, for measuring the costs that grow with the bank.
#include "bank.h"

namespace bank {

Bank SyntheticBank(long n)
{
    Bank bank;
    constexpr long kChapters = 6, kSubChapters = 4;
    for (long fl = 1; fl <= kChapters; ++fl)
        for (long xh = 1; xh <= kSubChapters; ++xh)
            bank.chapters.push_back({fl, xh, "C1"});
    for (long mno = 1; mno <= n; ++mno) {
        Question q;
        q.mno = mno;
        // Four in ten true/false, five single choice, one multiple choice.
        const long kind = mno % 10;
        q.tx = kind < 4 ? "2" : kind < 9 ? "1" : "0";
        q.answer = q.tx == "2" ? "1" : q.tx == "1" ? "3" : "134";
        q.text = "第" + std::to_string(mno) + "题：驾驶机动车在道路上行驶时，遇到这种情况应当怎样做？";
        if (q.tx == "2") {
            q.choices[0] = "正确";
            q.choices[1] = "错误";
        } else {
            for (int i = 0; i < 4; ++i)
                q.choices[i] = "选项" + std::string(1, static_cast<char>('A' + i)) + "：减速慢行，注意观察";
        }
        q.why = "解析：安全第一，依法驾驶。";
        q.thread = std::to_string(100000 + mno);
        q.fl = 1 + (mno / 10) % kChapters;
        q.fl1 = 1 + (mno / (10 * kChapters)) % kSubChapters;
        bank.questions.push_back(q);
    }
    // Each group draws 100 over the 24 sub-chapters: 50 single choice, 40
    // true/false and 10 multiple choice.
    for (const char *group : {"C1", "A1", "B2"}) {
        long index = 0;
        for (const auto &c : bank.chapters) {
            Rule r;
            r.group = group;
            r.fl = c.fl;
            r.jfl = c.xh;
            const long s = index < 2 ? 3 : 2, t = index < 16 ? 2 : 1, m = index < 10 ? 1 : 0;
            r.single = std::to_string(s);
            r.tf = std::to_string(t);
            r.multiple = std::to_string(m);
            ++index;
            bank.rules.push_back(r);
        }
    }
    for (int set = 1; set <= 11; ++set) {
        PracticeSet s{"试卷" + std::to_string(set), {}};
        for (long i = 0; i < 100 && i < n; ++i)
            s.members.push_back({(i * 7 + set) % n + 1, i + 1, {}});
        bank.sets.push_back(s);
    }
    bank.classes = {{"A1", "大型客车", {}}, {"A2", "重型牵引挂车", {}}, {"A3", "城市公交车", {}},
                    {"B1", "中型客车", {}}, {"B2", "大型货车", {}},     {"C1", "小型汽车", {}},
                    {"C2", "小型自动挡汽车", {}}};
    bank.system = {{"frist", "2"}, {"cx", "C1"}, {"pathname", ""}};
    return bank;
}

} // namespace bank
