#include "script/memory_store.h"

namespace {

constexpr int asideNames = 100;

std::string asideName(const std::string& name, int turn)
{
    return name + ".damaged" + (turn == 1 ? "" : "-" + std::to_string(turn));
}

} // namespace

std::string keepAsideUnder(const std::string& name,
                           const std::function<AsideMove(const std::string& aside, std::string& fault)>& move,
                           std::string& fault)
{
    for (int turn = 1; turn <= asideNames; ++turn) {
        const std::string aside = asideName(name, turn);
        switch (move(aside, fault)) {
        case AsideMove::moved: return aside;
        case AsideMove::failed: return "";
        case AsideMove::taken: break;
        }
    }
    fault = "every name for it is taken, up to " + asideName(name, asideNames);
    return "";
}
