// The bubble passes leave what inserting the rows one after another leaves, each moved up past
// every row it would swap with: both make the same exchanges between neighbours, only in another
// order, and that holds for any test that never swaps a pair both ways. Moving a row up one place
// at a time would take as long as the passes on a shuffled list, so the rows inserted so far are
// kept in blocks that know their extremes, and a row passes a block with nothing to stop it in
// one step.
#include "shell/identifier_order.h"

#include <algorithm>

namespace {

constexpr size_t blockSize = 256;

struct Block {
    std::vector<int> rows;
    // A number is stopped by numbers and by texts, a text by every key.
    bool anyNumber = false, anyText = false;
    int64_t leastNumber = 0, greatestNumber = 0;
    std::string_view leastText, greatestText, leastKey, greatestKey;

    void take(const IdentifierKey& id)
    {
        bool first = rows.size() == 1;
        leastKey = first || id.key < leastKey ? id.key : leastKey;
        greatestKey = first || greatestKey < id.key ? id.key : greatestKey;
        if (id.digit) {
            leastNumber = !anyNumber || id.number < leastNumber ? id.number : leastNumber;
            greatestNumber = !anyNumber || greatestNumber < id.number ? id.number : greatestNumber;
            anyNumber = true;
        } else {
            leastText = !anyText || id.key < leastText ? id.key : leastText;
            greatestText = !anyText || greatestText < id.key ? id.key : greatestText;
            anyText = true;
        }
    }
};

class Insertion {
public:
    Insertion(const std::vector<IdentifierKey>& ids, bool ascending) : ids_(ids), ascending_(ascending) { }

    void insert(int x)
    {
        const IdentifierKey& id = ids_[x];
        for (size_t b = blocks_.size(); b-- > 0;)
            if (stopsIn(blocks_[b], id)) {
                std::vector<int>& rows = blocks_[b].rows;
                size_t at = rows.size();
                while (swaps(rows[at - 1], x))
                    --at;
                place(b, at, x);
                return;
            }
        if (blocks_.empty())
            blocks_.emplace_back();
        place(0, 0, x);
    }

    void collect(std::vector<int>& order) const
    {
        order.clear();
        for (const Block& b : blocks_)
            order.insert(order.end(), b.rows.begin(), b.rows.end());
    }

private:
    // Row e, standing just before x, changes places with it.
    bool swaps(int e, int x) const
    {
        return ascending_ ? identifierBefore(ids_[x], ids_[e]) : identifierBefore(ids_[e], ids_[x]);
    }
    // Whether some row of the block does not swap with x.
    bool stopsIn(const Block& b, const IdentifierKey& x) const
    {
        if (ascending_)
            return x.digit ? (b.anyNumber && b.leastNumber <= x.number) || (b.anyText && b.leastText <= x.key)
                           : b.leastKey <= x.key;
        return x.digit
                   ? (b.anyNumber && b.greatestNumber >= x.number) || (b.anyText && b.greatestText >= x.key)
                   : b.greatestKey >= x.key;
    }
    void place(size_t b, size_t at, int x)
    {
        std::vector<int>& rows = blocks_[b].rows;
        rows.insert(rows.begin() + long(at), x);
        blocks_[b].take(ids_[x]);
        if (rows.size() < 2 * blockSize)
            return;
        std::vector<int> upper(rows.begin() + long(blockSize), rows.end());
        rows.resize(blockSize);
        blocks_[b] = remade(rows);
        blocks_.insert(blocks_.begin() + long(b) + 1, remade(upper));
    }
    Block remade(const std::vector<int>& rows) const
    {
        Block block;
        for (int r : rows) {
            block.rows.push_back(r);
            block.take(ids_[r]);
        }
        return block;
    }

    const std::vector<IdentifierKey>& ids_;
    bool ascending_;
    std::vector<Block> blocks_;
};

} // namespace

void passIdentifiers(std::vector<int>& order, const std::vector<IdentifierKey>& ids, bool ascending)
{
    Insertion insertion(ids, ascending);
    for (int x : order)
        insertion.insert(x);
    insertion.collect(order);
}
