// A seam of the runtime, or a global variable, replaced for as long as the
// guard lives.
//
// A test that puts a hook back by hand on its last lines leaves it in place
// when a failed ASSERT returns from the test before them, and every later
// test of the program then runs with it and fails far from the cause. The
// guard puts it back however its scope ends.
//
//   runtime::ManualClock clock;
//   Replaced installed(runtime::SetClock, &clock); // SetClock(nullptr) at the end
//   Replaced chosen(gs_cx, "B1");                  // gs_cx as it was, at the end
//
// A setter is called with the replacement, and at the end with an empty value
// (nullptr, an empty function, an empty text), which restores its default; a
// variable gets back the value it held. A guard needs a name: a temporary
// would put everything back at once, and the test programs do not compile
// one.
#pragma once

#include <functional>
#include <type_traits>
#include <utility>

class Replaced {
public:
    template <typename Value, typename Replacement>
    [[nodiscard("a guard puts back at the end of its scope: name it")]]
    Replaced(void (*set)(Value), Replacement &&replacement) : restore_([set] { set({}); })
    {
        set(std::forward<Replacement>(replacement));
    }

    template <typename Variable, typename Replacement>
        requires(!std::is_function_v<Variable>)
    [[nodiscard("a guard puts back at the end of its scope: name it")]]
    Replaced(Variable &variable, Replacement &&replacement)
        : restore_([&variable, kept = std::exchange(variable, std::forward<Replacement>(replacement))]() mutable {
              variable = std::move(kept);
          })
    {
    }

    ~Replaced() { restore_(); }
    Replaced(const Replaced &) = delete;
    Replaced &operator=(const Replaced &) = delete;

private:
    std::function<void()> restore_;
};
