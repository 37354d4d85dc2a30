// The order that a selection sort with exchanges leaves (each place in turn
// takes the first smallest key of the places after it, which trades places
// with the key that was there), reached in n log n steps through a
// tournament tree instead of n squared comparisons.
#pragma once

#include <vector>

namespace planner {

class SelectionOrder {
  public:
    explicit SelectionOrder(std::vector<double> keys);

    int Size() const { return static_cast<int>(keys_.size()); }
    // Fixes `place`: the first smallest key of places place..Size()-1 comes
    // there, exchanged with the key that was there. Places are fixed in turn from 0.
    void Place(int place);
    // Changes the key at a place that is not fixed yet.
    void SetKey(int place, double key);

    // The keys by place, and for each place the index its key had at the start.
    const std::vector<double>& Keys() const { return keys_; }
    const std::vector<int>& Origins() const { return origins_; }

  private:
    // The place that wins between two (-1 = fixed or none): the smaller key,
    // the earlier place on a tie.
    int Winner(int a, int b) const;
    void Update(int place);

    std::vector<double> keys_;
    std::vector<int> origins_;
    std::vector<bool> fixed_;
    std::vector<int> tree_;  // a node holds the winning place of its leaves
    int leaves_ = 1;
};

}  // namespace planner
