#include "frontend/menu_nesting.h"

#include <limits>
#include <stdexcept>

void MenuNesting::push(const ResumePoint& point) {
    if (!runs_.empty() && runs_.back().point == point &&
        runs_.back().count < std::numeric_limits<std::uint32_t>::max()) {
        ++runs_.back().count;
    } else {
        runs_.push_back({point, 1});
    }
}

ResumePoint MenuNesting::pop() {
    if (runs_.empty()) throw std::logic_error("no nested menu to return from");
    ResumePoint point = runs_.back().point;
    if (--runs_.back().count == 0) runs_.pop_back();
    return point;
}
