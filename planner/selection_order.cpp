#include "planner/selection_order.h"

#include <numeric>
#include <utility>

namespace planner {

SelectionOrder::SelectionOrder(std::vector<double> keys)
    : keys_(std::move(keys)), origins_(keys_.size()), fixed_(keys_.size(), false) {
    std::iota(origins_.begin(), origins_.end(), 0);
    while (leaves_ < Size()) leaves_ *= 2;
    tree_.assign(static_cast<std::size_t>(2 * leaves_), -1);
    for (int p = 0; p < Size(); ++p) tree_[static_cast<std::size_t>(leaves_ + p)] = p;
    for (int node = leaves_ - 1; node >= 1; --node)
        tree_[static_cast<std::size_t>(node)] =
            Winner(tree_[static_cast<std::size_t>(2 * node)], tree_[static_cast<std::size_t>(2 * node + 1)]);
}

int SelectionOrder::Winner(int a, int b) const {
    if (a < 0) return b;
    if (b < 0) return a;
    const double ka = keys_[static_cast<std::size_t>(a)];
    const double kb = keys_[static_cast<std::size_t>(b)];
    if (kb < ka) return b;
    if (ka < kb) return a;
    return a < b ? a : b;
}

void SelectionOrder::Update(int place) {
    auto node = static_cast<std::size_t>(leaves_ + place);
    tree_[node] = fixed_[static_cast<std::size_t>(place)] ? -1 : place;
    for (node /= 2; node >= 1; node /= 2) tree_[node] = Winner(tree_[2 * node], tree_[2 * node + 1]);
}

void SelectionOrder::Place(int place) {
    if (place < 0 || place >= Size() || fixed_[static_cast<std::size_t>(place)]) return;
    const int best = tree_[1];
    if (best >= 0 && best != place) {
        std::swap(keys_[static_cast<std::size_t>(place)], keys_[static_cast<std::size_t>(best)]);
        std::swap(origins_[static_cast<std::size_t>(place)], origins_[static_cast<std::size_t>(best)]);
        Update(best);
    }
    fixed_[static_cast<std::size_t>(place)] = true;
    Update(place);
}

void SelectionOrder::SetKey(int place, double key) {
    if (place < 0 || place >= Size() || fixed_[static_cast<std::size_t>(place)]) return;
    keys_[static_cast<std::size_t>(place)] = key;
    Update(place);
}

}  // namespace planner
